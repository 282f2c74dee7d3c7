// A page keeps its game in the tab's session storage, through web/kept_game.js.
#include "platform/kept_game.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

namespace {

std::function<QString()> gameText;

void keepNow()
{
    emscripten::val::module_property("varnStoreGame")(gameText().toStdString());
}

} // namespace

// Called by the page as it is hidden, frozen or left.
EMSCRIPTEN_BINDINGS(kept_game)
{
    emscripten::function("varnKeepGame", &keepNow);
}

QString keptGame()
{
    return QString::fromStdString(
        emscripten::val::module_property("varnKeptGame")().as<std::string>());
}

std::function<void()> keepGame(std::function<QString()> text)
{
    gameText = std::move(text);
    emscripten::val::module_property("varnKeepGameWhenHidden")();
    return &keepNow;
}
