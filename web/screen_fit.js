// Fits the game's window to a phone's or a tablet's screen: as large as the screen allows, up to
// twice its own size, whichever way the screen is held. A desktop browser, whose pointer is a
// mouse, shows it at its own size.
//
// The browser's own zoom does the fitting, out on a phone and in on a tablet, set by the page's
// width in the viewport, which the browser fits to the screen: Qt reads the zoom from the visual
// viewport and draws at the screen's own pixels, so lines stay sharp and presses land where they
// are drawn.
(() => {
  // The picture of the window the page shows until the program has drawn it (index.html), of the
  // window's size, title bar and frame included, in CSS pixels.
  const picture = document.getElementById('first-screen');
  // The window with a margin of two around it.
  const size = { width: picture.width + 4, height: picture.height + 4 };
  const viewport = document.querySelector('meta[name="viewport"]');
  const fit = (width, height) => Math.min(width / size.width, height / size.height, 2);
  // The screen's size in CSS pixels at no zoom, whatever zoom the page is at.
  const zoom = () => (window.visualViewport ? visualViewport.scale : 1);
  // The page's size first: reading it brings its layout, and with it the zoom, up to date.
  const screenSize = () => {
    const [across, down] = [innerWidth, innerHeight];
    return [Math.round(across * zoom()), Math.round(down * zoom())];
  };

  // Qt draws at the screen's pixel ratio times the zoom, but at most at the screen's ratio, and
  // paints at least one device pixel to a pixel of the window: zoomed in, it would draw coarser
  // than the screen, and below one, as on a phone of ratio 1, it would crop the window. The ratio
  // Qt reads makes it draw at the screen's times the zoom, or at one, the browser then shrinking
  // the picture.
  const screenRatio = devicePixelRatio;
  Object.defineProperty(window, 'devicePixelRatio', {
    configurable: true,
    get: () => Math.max(screenRatio, screenRatio * zoom(), 1 / zoom()),
  });

  // Whether the page's zoom is the one the screen wants; until it is, the picture waits unseen.
  let settled = true;
  const refit = () => {
    const [across, down] = screenSize();
    // A whole number of CSS pixels across, so that every load draws the window alike.
    const width = Math.ceil(across / fit(across, down));
    const wanted = across / width;
    // A page laid out again after its zoom has changed may be a pixel wider or narrower.
    settled = Math.abs(wanted - zoom()) <= 0.005;
    if (!settled)
      viewport.content = `width=${width}`;
  };
  // The picture goes where Qt puts the window: centred on its screen, the canvas, whose size Qt
  // reads in whole pixels, the offset rounded to the nearest pixel, and the frame never above the
  // top.
  const place = () => {
    if (!picture.isConnected || !settled)
      return;
    const screen = document.getElementById('screen').getBoundingClientRect();
    const left = Math.round((Math.round(screen.width) - picture.width) / 2);
    const top = Math.max(0, Math.round((Math.round(screen.height) - picture.height) / 2));
    picture.style.left = `${left}px`;
    picture.style.top = `${top}px`;
    picture.style.visibility = 'visible';
  };

  if (matchMedia('(pointer: coarse)').matches) {
    refit();
    // Turning the screen resizes the page; Qt then resizes its screen and the game centres its
    // window again.
    addEventListener('resize', refit);
  }
  place();
  addEventListener('resize', place);
})();
