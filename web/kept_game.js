// Runs inside the program's module before main(): the tab's session storage, where the program
// keeps its game in progress (platform/web/kept_game.cpp). A browser that refuses the storage, as
// it may in a sandboxed frame, keeps nothing, and the game then lasts as long as the page.
const keptGameKey = 'varn-game';

Module['varnKeptGame'] = function () {
    try {
        return sessionStorage.getItem(keptGameKey) || '';
    } catch (refused) {
        return '';
    }
};

Module['varnStoreGame'] = function (text) {
    try {
        if (text)
            sessionStorage.setItem(keptGameKey, text);
        else
            sessionStorage.removeItem(keptGameKey);
    } catch (refused) {
    }
};

// The game is kept once more as the page is hidden, frozen or left: a frozen page may be
// discarded with no word to the program.
Module['varnKeepGameWhenHidden'] = function () {
    const keep = function () { Module.varnKeepGame(); };
    document.addEventListener('visibilitychange', function () {
        if (document.visibilityState === 'hidden')
            keep();
    });
    document.addEventListener('freeze', keep);
    window.addEventListener('pagehide', keep);
};
