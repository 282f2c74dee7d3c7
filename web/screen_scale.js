// Runs inside the program's module before main(): Qt's scale factor that the page chose for a
// tablet (screen_fit.js), put where Qt reads it. Qt's loader would set it on Module.ENV, which
// this Emscripten does not export.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
    if (typeof varnScreenFit === 'object')
        Object.assign(ENV, varnScreenFit.environment);
});
