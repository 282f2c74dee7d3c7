// Runs inside the program's module before main(): the program's folder, /varn, is the browser's
// IndexedDB seen through Emscripten's IDBFS, filled from there before the program starts, and the
// rules are put beside the program.
Module['thisProgram'] = '/varn/Varn';
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
    FS.mkdir('/varn');
    FS.mount(IDBFS, {}, '/varn');
    addRunDependency('varn-stored-files');
    FS.syncfs(true, function (error) {
        // A browser that keeps nothing, as a private window may, still plays; the table is then
        // kept until the page is closed, and the game says so.
        if (error)
            Module.varnFilesRefused = true;
        FS.writeFile('/varn/Varn.hlp', FS.readFile('/program/Varn.hlp'));
        removeRunDependency('varn-stored-files');
    });
});
