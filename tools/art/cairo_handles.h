// Owning handles for cairo and pango objects, so every early return frees them.
#pragma once

#include <cairo.h>
#include <glib-object.h>
#include <pango/pangocairo.h>

#include <memory>

namespace art {

template <auto Release>
struct ReleaseWith {
  template <class T>
  void operator()(T* handle) const noexcept { Release(handle); }
};

using SurfacePtr = std::unique_ptr<cairo_surface_t, ReleaseWith<cairo_surface_destroy>>;
using ContextPtr = std::unique_ptr<cairo_t, ReleaseWith<cairo_destroy>>;
using LayoutPtr = std::unique_ptr<PangoLayout, ReleaseWith<g_object_unref>>;
using FontPtr = std::unique_ptr<PangoFontDescription, ReleaseWith<pango_font_description_free>>;

}  // namespace art
