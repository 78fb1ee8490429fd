// Drawing on a window's canvas, in device pixels, and the pictures the browser decodes.
var LibraryLumivorCanvas = {
  $LumivorCanvas__deps: ['$LumivorWindows'],
  $LumivorCanvas: {
    context: null,
    images: [null],
    fonts: {},
    colour: function(rgb) { return '#' + (rgb | 0x1000000).toString(16).slice(1); },
    // Segoe UI where the system has it, else a comparable sans-serif.
    font: function(pixels) {
      var font = LumivorCanvas.fonts[pixels];
      if (font) return font;
      var context = LumivorCanvas.context;
      context.font = pixels + 'px "Segoe UI", "Open Sans", sans-serif';
      var metrics = context.measureText('Ag');
      var ascent = metrics.fontBoundingBoxAscent !== undefined ? metrics.fontBoundingBoxAscent : pixels * 0.9;
      var descent = metrics.fontBoundingBoxDescent !== undefined ? metrics.fontBoundingBoxDescent : pixels * 0.25;
      font = {css: context.font, ascent: Math.round(ascent), lineHeight: Math.round(ascent) + Math.round(descent)};
      LumivorCanvas.fonts[pixels] = font;
      return font;
    },
    // The lines of a text wrapped at its spaces to `width`; a word wider than that stays whole.
    wrap: function(context, text, width) {
      var lines = [];
      text.split('\n').forEach(function(paragraph) {
        var line = '';
        paragraph.split(' ').forEach(function(word) {
          var longer = line ? line + ' ' + word : word;
          if (line && context.measureText(longer).width > width) {
            lines.push(line);
            line = word;
          } else {
            line = longer;
          }
        });
        lines.push(line);
      });
      return lines;
    },
  },

  lumivor_canvas_begin__deps: ['$LumivorCanvas'],
  lumivor_canvas_begin: function(id, deviceWidth, deviceHeight, cssWidth, cssHeight) {
    var entry = LumivorWindows.open[id];
    [entry.canvas, entry.back].forEach(function(canvas) {
      if (canvas.width !== deviceWidth) canvas.width = deviceWidth;
      if (canvas.height !== deviceHeight) canvas.height = deviceHeight;
    });
    entry.canvas.style.width = cssWidth + 'px';
    entry.canvas.style.height = cssHeight + 'px';
    var context = entry.backContext;
    context.save();
    context.imageSmoothingEnabled = true;
    context.imageSmoothingQuality = 'high';
    LumivorCanvas.context = context;
  },

  lumivor_canvas_end__deps: ['$LumivorCanvas'],
  lumivor_canvas_end: function(id) {
    var entry = LumivorWindows.open[id];
    entry.backContext.restore();
    LumivorCanvas.context = null;
    if (entry.back.width === 0 || entry.back.height === 0) return;
    entry.context.drawImage(entry.back, 0, 0);
  },

  lumivor_canvas_fill__deps: ['$LumivorCanvas'],
  lumivor_canvas_fill: function(x, y, width, height, rgb) {
    var context = LumivorCanvas.context;
    context.fillStyle = LumivorCanvas.colour(rgb);
    context.fillRect(x, y, width, height);
  },

  lumivor_canvas_image__deps: ['$LumivorCanvas'],
  lumivor_canvas_image: function(image, x, y, width, height, opacity) {
    var context = LumivorCanvas.context;
    context.globalAlpha = opacity;
    context.drawImage(LumivorCanvas.images[image], x, y, width, height);
    context.globalAlpha = 1;
  },

  lumivor_canvas_text__deps: ['$LumivorCanvas'],
  lumivor_canvas_text: function(text, length, x, y, width, height, rgb, centredAcross, centredDown, wrap, pixels) {
    var context = LumivorCanvas.context;
    var font = LumivorCanvas.font(pixels);
    context.font = font.css;
    context.fillStyle = LumivorCanvas.colour(rgb);
    context.textBaseline = 'alphabetic';
    var content = UTF8ToString(text, length);
    var lines = wrap ? LumivorCanvas.wrap(context, content, width) : content.split('\n');
    var top = centredDown ? y + (height - lines.length * font.lineHeight) / 2 : y;
    lines.forEach(function(line, index) {
      var left = centredAcross ? x + (width - context.measureText(line).width) / 2 : x;
      // Whole device pixels, so that the glyphs are as sharp as the font's hinting makes them.
      context.fillText(line, Math.round(left), Math.round(top) + index * font.lineHeight + font.ascent);
    });
  },

  lumivor_canvas_polyline__deps: ['$LumivorCanvas'],
  lumivor_canvas_polyline: function(points, lineWidth, rgb) {
    var context = LumivorCanvas.context;
    var at = points >> 3;
    context.beginPath();
    context.moveTo(HEAPF64[at], HEAPF64[at + 1]);
    context.lineTo(HEAPF64[at + 2], HEAPF64[at + 3]);
    context.lineTo(HEAPF64[at + 4], HEAPF64[at + 5]);
    context.lineWidth = lineWidth;
    context.lineCap = 'square';
    context.lineJoin = 'miter';
    context.strokeStyle = LumivorCanvas.colour(rgb);
    context.stroke();
  },

  lumivor_canvas_save__deps: ['$LumivorCanvas'],
  lumivor_canvas_save: function() { LumivorCanvas.context.save(); },

  lumivor_canvas_restore__deps: ['$LumivorCanvas'],
  lumivor_canvas_restore: function() { LumivorCanvas.context.restore(); },

  lumivor_canvas_clip__deps: ['$LumivorCanvas'],
  lumivor_canvas_clip: function(x, y, width, height) {
    var context = LumivorCanvas.context;
    context.beginPath();
    context.rect(x, y, width, height);
    context.clip();
  },

  lumivor_decode_png__deps: ['$LumivorCanvas'],
  lumivor_decode_png: function(png, length, size) {
    var bytes = HEAPU8.slice(png, png + length);
    return Asyncify.handleSleep(function(wakeUp) {
      // The pictures' pixels as they are, with no colour management of the screen's.
      createImageBitmap(new Blob([bytes], {type: 'image/png'}), {colorSpaceConversion: 'none'}).then(function(bitmap) {
        HEAP32[size >> 2] = bitmap.width;
        HEAP32[(size >> 2) + 1] = bitmap.height;
        wakeUp(LumivorCanvas.images.push(bitmap) - 1);
      }, function() { wakeUp(0); });
    });
  },

  lumivor_release_image__deps: ['$LumivorCanvas'],
  lumivor_release_image: function(image) {
    var bitmap = LumivorCanvas.images[image];
    if (bitmap && bitmap.close) bitmap.close();
    LumivorCanvas.images[image] = null;
  },
};

mergeInto(LibraryManager.library, LibraryLumivorCanvas);
