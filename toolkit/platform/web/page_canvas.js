// Drawing on a window's canvas, in device pixels, and the pictures the browser decodes.
var LibraryLumivorCanvas = {
  $LumivorCanvas__deps: ['$LumivorWindows'],
  $LumivorCanvas: {
    context: null,
    // By id: the decoded picture and, once drawn at another size, a copy scaled to that size.
    images: [null],
    // The pictures whose scaled copies are kept, the latest last: those of the pages a slide
    // shows, and a few more.
    scaledKept: [],
    scaledKeptMost: 4,
    fonts: {},
    colours: {},
    colour: function(rgb) {
      var colour = LumivorCanvas.colours[rgb];
      if (!colour) colour = LumivorCanvas.colours[rgb] = '#' + (rgb | 0x1000000).toString(16).slice(1);
      return colour;
    },
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
    // The picture at `width` × `height`. It is scaled once for a size and then copied pixel
    // for pixel, at any place: a slide moves it every frame, and scaling it each time would
    // cost more and could shade it differently at each place.
    scaled: function(picture, width, height) {
      if (picture.bitmap.width === width && picture.bitmap.height === height) return picture.bitmap;
      var kept = LumivorCanvas.scaledKept;
      var copy = picture.scaled;
      if (!copy || copy.width !== width || copy.height !== height) {
        copy = document.createElement('canvas');
        copy.width = width;
        copy.height = height;
        var context = copy.getContext('2d');
        context.imageSmoothingEnabled = true;
        context.imageSmoothingQuality = 'high';
        context.drawImage(picture.bitmap, 0, 0, width, height);
        picture.scaled = copy;
      }
      var at = kept.indexOf(picture);
      if (at >= 0) kept.splice(at, 1);
      kept.push(picture);
      if (kept.length > LumivorCanvas.scaledKeptMost) kept.shift().scaled = null;
      return copy;
    },
    // The width of a line in the font set; every frame draws the same few texts again.
    widths: {},
    measure: function(context, line) {
      var key = context.font + '\n' + line;
      var width = LumivorCanvas.widths[key];
      if (width === undefined) width = LumivorCanvas.widths[key] = context.measureText(line).width;
      return width;
    },
    // The lines of a text wrapped at its spaces to `width`; a word wider than that stays whole.
    wrap: function(context, text, width) {
      var lines = [];
      text.split('\n').forEach(function(paragraph) {
        var line = '';
        paragraph.split(' ').forEach(function(word) {
          var longer = line ? line + ' ' + word : word;
          if (line && LumivorCanvas.measure(context, longer) > width) {
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
    var canvas = entry.canvas;
    // Only a new size is set: the page lays itself out again for every change of style. The two
    // sizes change apart when the page is zoomed, which keeps its device pixels.
    if (canvas.width !== deviceWidth || canvas.height !== deviceHeight) {
      canvas.width = deviceWidth;
      canvas.height = deviceHeight;
    }
    if (entry.cssWidth !== cssWidth || entry.cssHeight !== cssHeight) {
      entry.cssWidth = cssWidth;
      entry.cssHeight = cssHeight;
      canvas.style.width = cssWidth + 'px';
      canvas.style.height = cssHeight + 'px';
    }
    var context = entry.context;
    context.save();
    context.imageSmoothingEnabled = true;
    context.imageSmoothingQuality = 'high';
    LumivorCanvas.context = context;
  },

  lumivor_canvas_end__deps: ['$LumivorCanvas'],
  lumivor_canvas_end: function(id) {
    LumivorWindows.open[id].context.restore();
    LumivorCanvas.context = null;
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
    context.drawImage(LumivorCanvas.scaled(LumivorCanvas.images[image], width, height), x, y);
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
      var left = centredAcross ? x + (width - LumivorCanvas.measure(context, line)) / 2 : x;
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
        wakeUp(LumivorCanvas.images.push({bitmap: bitmap, scaled: null}) - 1);
      }, function() { wakeUp(0); });
    });
  },

  lumivor_release_image__deps: ['$LumivorCanvas'],
  lumivor_release_image: function(image) {
    var picture = LumivorCanvas.images[image];
    if (!picture) return;
    if (picture.bitmap.close) picture.bitmap.close();
    var at = LumivorCanvas.scaledKept.indexOf(picture);
    if (at >= 0) LumivorCanvas.scaledKept.splice(at, 1);
    LumivorCanvas.images[image] = null;
  },
};

mergeInto(LibraryManager.library, LibraryLumivorCanvas);
