// The program's windows on the page: each a canvas over the whole viewport, the newest on top,
// hidden until the program shows it; and the page's title, icon and alert.
var LibraryLumivorWindows = {
  $LumivorWindows__deps: ['$LumivorEvents', '$LumivorMirror'],
  $LumivorWindows: {
    open: {},
    shownOnce: false,
    canvasStyle: 'position:fixed;left:0;top:0;width:100%;height:100%;display:block;margin:0;visibility:hidden;' +
                 'touch-action:none;-webkit-user-select:none;user-select:none;-webkit-touch-callout:none;' +
                 '-webkit-tap-highlight-color:transparent;outline:none',
  },

  lumivor_window_create__deps: ['$LumivorWindows'],
  lumivor_window_create: function(id) {
    var canvas = document.createElement('canvas');
    canvas.style.cssText = LumivorWindows.canvasStyle;
    // Screen readers read the mirror of the window's controls instead.
    canvas.setAttribute('aria-hidden', 'true');
    document.body.appendChild(canvas);
    LumivorWindows.open[id] = {canvas: canvas, context: canvas.getContext('2d', {alpha: false})};
    LumivorEvents.attachPage();
    LumivorEvents.attachCanvas(canvas);
  },

  lumivor_window_destroy__deps: ['$LumivorWindows'],
  lumivor_window_destroy: function(id) {
    var entry = LumivorWindows.open[id];
    if (!entry) return;
    entry.canvas.remove();
    LumivorMirror.remove(id);
    delete LumivorWindows.open[id];
  },

  lumivor_window_show__deps: ['$LumivorWindows'],
  lumivor_window_show: function(id) {
    LumivorWindows.open[id].canvas.style.visibility = 'visible';
    LumivorMirror.show(id);
    if (LumivorWindows.shownOnce) return;
    LumivorWindows.shownOnce = true;
    performance.mark('lumivor-shown');
  },

  lumivor_viewport: function(measures) {
    var doubles = measures >> 3;
    HEAPF64[doubles] = window.innerWidth;
    HEAPF64[doubles + 1] = window.innerHeight;
    HEAPF64[doubles + 2] = window.devicePixelRatio || 1;
  },

  lumivor_set_caption: function(caption, length) { document.title = UTF8ToString(caption, length); },

  lumivor_add_icon: function(size, png, length) {
    var link = document.createElement('link');
    link.rel = 'icon';
    link.type = 'image/png';
    link.sizes = size + 'x' + size;
    link.href = URL.createObjectURL(new Blob([HEAPU8.slice(png, png + length)], {type: 'image/png'}));
    document.head.appendChild(link);
  },

  lumivor_alert: function(text, length) { window.alert(UTF8ToString(text, length)); },
};

mergeInto(LibraryManager.library, LibraryLumivorWindows);
