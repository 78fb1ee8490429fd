#pragma once

// The page's side of the backend, written in JavaScript (the page_*.js libraries linked into
// the program). Coordinates given to the canvas are in device pixels; colours are 0xRRGGBB.
// Strings are UTF-8 with their length in bytes.

#include <cstdint>

extern "C" {

// Events (page_events.js). lumivor_wait_for_event suspends the program until it returns.
int lumivor_take_event(std::int32_t* numbers, double* measures, char* key, int keyCapacity);
void lumivor_wait_for_event(double timeoutMs);
double lumivor_now();

// Windows (page_window.js): one canvas each, filling the viewport, the newest on top.
void lumivor_window_create(int window);
void lumivor_window_destroy(int window);
void lumivor_window_show(int window);
// Writes the viewport's width and height in CSS pixels and the device pixel ratio.
void lumivor_viewport(double* measures);
void lumivor_set_caption(const char* caption, int length);
void lumivor_add_icon(int size, const std::uint8_t* png, int length);
void lumivor_alert(const char* text, int length);

// Drawing (page_canvas.js), between begin and end; a frame drawn without waiting in between
// is shown whole.
void lumivor_canvas_begin(int window, int deviceWidth, int deviceHeight, double cssWidth, double cssHeight);
void lumivor_canvas_end(int window);
void lumivor_canvas_fill(int x, int y, int width, int height, int rgb);
void lumivor_canvas_image(int image, int x, int y, int width, int height, double opacity);
void lumivor_canvas_text(const char* text, int length, double x, double y, double width, double height, int rgb,
                         int centredAcross, int centredDown, int wrap, double fontPixels);
// A stroke through three points, (x0, y0) to (x1, y1) to (x2, y2).
void lumivor_canvas_polyline(const double* points, double lineWidth, int rgb);
void lumivor_canvas_save();
void lumivor_canvas_restore();
void lumivor_canvas_clip(int x, int y, int width, int height);

// Pictures (page_canvas.js): decoded by the browser; the program waits for it. Returns an id,
// or 0 when the bytes are no picture; writes the width and height.
int lumivor_decode_png(const std::uint8_t* png, int length, std::int32_t* size);
void lumivor_release_image(int image);

// The accessibility mirror (page_accessibility.js): one pass over the tree, node by node in
// depth-first order, then the focused node (0 for none).
void lumivor_mirror_begin(int window);
void lumivor_mirror_node(int node, int parent, int role, const char* name, int nameLength, int x, int y, int width,
                         int height, int states);
void lumivor_mirror_end(int window, int focusedNode);
}
