// Line icons drawn in a 24 x 24 box in one colour; callers translate and scale them.
#pragma once

#include "colour.h"

#include <cairo.h>

namespace art::icon {

using Draw = void (*)(cairo_t*, Rgba);

void apps(cairo_t* cr, Rgba c);
void notepad(cairo_t* cr, Rgba c);
void screenshot(cairo_t* cr, Rgba c);
void power(cairo_t* cr, Rgba c);
void collapse(cairo_t* cr, Rgba c);
void expand(cairo_t* cr, Rgba c);
void close(cairo_t* cr, Rgba c);
void chevron_left(cairo_t* cr, Rgba c);
void chevron_right(cairo_t* cr, Rgba c);
void chevron_up(cairo_t* cr, Rgba c);
void chevron_down(cairo_t* cr, Rgba c);
void bell(cairo_t* cr, Rgba c);
void checklist(cairo_t* cr, Rgba c);
void alarm_clock(cairo_t* cr, Rgba c);
void translate(cairo_t* cr, Rgba c);
void parcel(cairo_t* cr, Rgba c);
void mahjong(cairo_t* cr, Rgba c);
void cards(cairo_t* cr, Rgba c);

}  // namespace art::icon
