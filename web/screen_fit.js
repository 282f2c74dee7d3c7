// Fits the game's window to a phone's or a tablet's screen: as large as the screen allows, up to
// twice its own size, whichever way the screen is held. A desktop browser, whose pointer is a
// mouse, shows it at its own size.
//
// The browser's own zoom does the shrinking, set by the page's width in the viewport, which the
// browser fits to the screen: Qt reads the zoom from the visual viewport and draws at the screen's
// own pixels, so lines stay sharp and presses land where they are drawn. Qt does not draw beyond
// the device's pixel ratio, so a tablet's enlargement is Qt's own scale factor instead, which it
// takes only at its start: the one that fits both ways.
const varnScreenFit = (() => {
  // The window, title bar and frame included, as Qt draws it in a page, in CSS pixels, with a
  // margin of two around it.
  const size = { width: 472, height: 421 };
  const touchScreen = matchMedia('(pointer: coarse)').matches;
  const viewport = document.querySelector('meta[name="viewport"]');
  const fit = (width, height) => Math.min(width / size.width, height / size.height, 2);
  // The screen's size in CSS pixels at no zoom, whatever zoom the page is at.
  const zoom = () => (window.visualViewport ? visualViewport.scale : 1);
  // The page's size first: reading it brings its layout, and with it the zoom, up to date.
  const screenSize = () => {
    const [across, down] = [innerWidth, innerHeight];
    return [Math.round(across * zoom()), Math.round(down * zoom())];
  };
  const [width, height] = screenSize();
  const qtScale = touchScreen ? Math.max(1, Math.min(fit(width, height), fit(height, width))) : 1;

  const refit = () => {
    const [across, down] = screenSize();
    // A whole number of CSS pixels across, so that every load draws the window alike.
    const width = Math.ceil(across / Math.min(1, fit(across, down) / qtScale));
    const wanted = across / width;
    // A page laid out again after its zoom has changed may be a pixel wider or narrower.
    if (Math.abs(wanted - zoom()) > 0.005)
      viewport.content = `width=${width}`;
  };
  if (touchScreen) {
    refit();
    // Turning the screen resizes the page; Qt then resizes its screen and the game centres its
    // window again.
    addEventListener('resize', refit);
  }
  return { environment: qtScale === 1 ? {} : { QT_SCALE_FACTOR: String(qtScale) } };
})();
