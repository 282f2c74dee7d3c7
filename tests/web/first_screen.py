"""The page's first screen: before the program has loaded, a picture of its window where the
window then lands and looking as it does; the page's largest paint; and no shift of its layout as
the program takes over."""

from driver.checks import check, step, wait_until
from driver.page_window import TITLE_BAR

BORDER = 4  # from a window's frame to its title bar, as Qt draws it in a page
SHOWN = """(() => {
    const picture = document.getElementById('first-screen');
    return !!picture && picture.complete && picture.naturalWidth > 0
        && getComputedStyle(picture).visibility === 'visible';
})()"""
PLACE = """(() => {
    const place = document.getElementById('first-screen').getBoundingClientRect();
    return [place.left, place.top, place.width, place.height];
})()"""
# The page's largest paint, and its layout's shifts added up, as the browser has recorded them.
RECORDED = """(kind) => new Promise((done) => {
    const seen = [];
    new PerformanceObserver((list) => seen.push(...list.getEntries()))
        .observe({ type: kind, buffered: true });
    setTimeout(() => done(seen), 300);
})"""
LARGEST = f"({RECORDED})('largest-contentful-paint').then((paints) => paints.at(-1)?.id)"
SHIFTS = f"({RECORDED})('layout-shift').then((shifts) => shifts.reduce((sum, s) => sum + s.value, 0))"


def first_screen(browser, url):
    """The page with the program held back, as a slow network shows it: where its picture of the
    window lies, and what it shows there."""
    step("before the program has loaded, the page shows a picture of its window")
    browser.send("Fetch.enable", patterns=[{"urlPattern": "*Varn.wasm"}])
    browser.open(url)
    wait_until("the picture of the window", lambda: browser.evaluate(SHOWN), 10, 0.1)
    place = [round(value) for value in browser.evaluate(PLACE)]
    shown = browser.picture(*place)
    for held in [params for method, params in browser.events if method == "Fetch.requestPaused"]:
        browser.send("Fetch.continueRequest", requestId=held["requestId"])
    browser.send("Fetch.disable")
    return place, shown


def check_taken_over(window, place, shown):
    """The program's window, once drawn, where the picture was, as long, and looking as it did:
    nine pixels in ten alike at least, edges of letters and scaled lines aside."""
    step("the window lands where its picture was and looks as it did; the picture was the "
         "page's largest paint, and nothing on the page shifted")
    left, top, width, height = place
    check((window.left, window.title_row) == (left + BORDER, top + BORDER),
          f"the window's title bar begins at ({window.left}, {window.title_row}), its picture's "
          f"at ({left + BORDER}, {top + BORDER})")
    drawn = window.browser.picture(*place)
    bar = next((x for x in range(BORDER, width) if drawn.pixel(x, BORDER) != TITLE_BAR),
               width) - BORDER
    check(bar == width - 2 * BORDER, f"the window's title bar is {bar} pixels long, its "
          f"picture's {width - 2 * BORDER}")
    alike = sum(1 for at in range(0, len(drawn.rgb), 3)
                if max(abs(a - b) for a, b in zip(drawn.rgb[at:at + 3], shown.rgb[at:at + 3]))
                <= 48)
    share = alike / (drawn.width * drawn.height)
    check(share >= 0.9, f"only {share:.1%} of the window's pixels look as in its picture")
    largest = window.browser.evaluate(LARGEST)
    check(largest == "first-screen", f"the page's largest paint is {largest!r}, not the picture")
    shifted = window.browser.evaluate(SHIFTS)
    check(shifted <= 0.01, f"the page's layout shifted by {shifted:.3f}")
