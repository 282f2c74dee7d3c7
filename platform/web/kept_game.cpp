// A page keeps its game in the tab's session storage.
#include "platform/kept_game.h"

#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace {

std::function<QString()> gameText;

// A browser that refuses the storage, as it may in a sandboxed frame, keeps nothing: the game then
// lasts as long as the page.
void store(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    EM_ASM(
        {
            try {
                const text = UTF8ToString($0);
                if (text)
                    sessionStorage.setItem('varn-game', text);
                else
                    sessionStorage.removeItem('varn-game');
            } catch (refused) { }
        },
        utf8.constData());
}

void keepNow()
{
    store(gameText());
}

} // namespace

// Called by the page as it is hidden or left: a hidden page may be frozen, and then discarded,
// with no word to the program.
EMSCRIPTEN_BINDINGS(kept_game)
{
    emscripten::function("varnKeepGame", &keepNow);
}

QString keptGame()
{
    EM_ASM({
        try {
            Module.varnKeptGame = sessionStorage.getItem('varn-game') || '';
        } catch (refused) {
            Module.varnKeptGame = '';
        }
    });
    return QString::fromStdString(
        emscripten::val::module_property("varnKeptGame").as<std::string>());
}

std::function<void()> keepGame(std::function<QString()> text)
{
    gameText = std::move(text);
    EM_ASM({
        document.addEventListener(
            'visibilitychange', function() {
                if (document.visibilityState == = 'hidden')
                    Module.varnKeepGame();
            });
        window.addEventListener(
            'pagehide', function() { Module.varnKeepGame(); });
    });
    return &keepNow;
}
