// Runs inside the program's module before main(): the program's folder, /varn, is the browser's
// IndexedDB seen through Emscripten's IDBFS, filled from there before the program starts, and the
// rules are put beside the program.
Module['thisProgram'] = '/varn/Varn';

// Every tab of the page hears when another has stored the folder, and reads it again, so that a
// change starts from the table the other tab saved, as a second copy on a desktop does.
const storedFilesChannel =
    typeof BroadcastChannel === 'function' ? new BroadcastChannel('varn-stored-files') : null;

function readStoredFiles(done) {
    FS.syncfs(true, function (error) {
        // A browser that keeps nothing, as a private window may, still plays; the table is then
        // kept until the page is closed, and the game says so.
        if (error)
            Module.varnFilesRefused = true;
        // Qt takes the program's folder from the program's own file, which must therefore exist.
        if (!FS.analyzePath('/varn/Varn').exists)
            FS.writeFile('/varn/Varn', '');
        if (runtimeInitialized)
            putRulesBesideProgram();
        if (done)
            done();
    });
}

// The rules are compiled in under /program, which Emscripten fills as the runtime starts: after
// the folder is first read with Emscripten 3.1.69, before it with 3.1.6.
function putRulesBesideProgram() {
    FS.writeFile('/varn/Varn.hlp', FS.readFile('/program/Varn.hlp'));
}

const runtimeStartedBefore = Module['onRuntimeInitialized'];
Module['onRuntimeInitialized'] = function () {
    putRulesBesideProgram();
    if (runtimeStartedBefore)
        runtimeStartedBefore();
};

// The first store is the start's; a later one follows a result or a clearing, and from then on
// the browser is asked not to evict the page's storage, which it may do to a site that has not.
let storesSinceStart = 0;

Module['varnKeepFiles'] = function () {
    if (storesSinceStart++ === 1 && navigator.storage && navigator.storage.persist)
        navigator.storage.persist();
    FS.syncfs(false, function (error) {
        // Told when it happens, a full storage say, not only at the next save.
        if (error)
            Module.varnFilesNotKept(String(error.name || error.message || error));
        else if (storedFilesChannel)
            storedFilesChannel.postMessage('stored');
    });
};

Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
    FS.mkdir('/varn');
    FS.mount(IDBFS, {}, '/varn');
    addRunDependency('varn-stored-files');
    readStoredFiles(function () {
        removeRunDependency('varn-stored-files');
        if (storedFilesChannel)
            storedFilesChannel.onmessage = function () { readStoredFiles(); };
    });
});
