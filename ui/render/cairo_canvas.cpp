#include "ui/render/cairo_canvas.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <unordered_map>
#include <vector>

#include "platform/code_page.h"
#include "ui/device_scale.h"
#include "ui/render/font_warm_up.h"
#include "ui/render/image_cache.h"
#include "ui/render/image_file.h"
#include "ui/render/image_variants.h"

namespace DuiLib {
namespace {

struct CairoDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
  void operator()(cairo_font_options_t* o) const { cairo_font_options_destroy(o); }
};
struct GObjectDeleter {
  void operator()(void* object) const { g_object_unref(object); }
};
struct FontDescriptionDeleter {
  void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
};

// Faces tried after the skin's own: fontconfig resolves the first one installed, so Chinese never falls
// back to boxes when the skin names a Windows face that this machine lacks.
constexpr const char* kFallbackFaces = "WenQuanYi Micro Hei,Noto Sans CJK SC,Noto Sans SC,Droid Sans Fallback,sans-serif";

// Pango measures in 1/1024 pixel ints: font sizes (kMaxFontPixels) and widths are capped before they are
// scaled.
constexpr int kMaxTextWidth = std::numeric_limits<int>::max() / PANGO_SCALE;

// Bytes of one wide unit in WideToUtf8's output (which writes U+FFFD, three bytes, for what is no character).
std::size_t Utf8Length(std::uint32_t unit) {
  if (unit < 0x80) return 1;
  if (unit < 0x800) return 2;
  if (unit < 0x10000 || (unit >= 0xD800 && unit <= 0xDFFF) || unit > 0x10FFFF) return 3;
  return 4;
}

void SetSource(cairo_t* cr, DWORD argb) {
  cairo_set_source_rgba(cr, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0, (argb & 0xFF) / 255.0,
                        ((argb >> 24) & 0xFF) / 255.0);
}

class CairoCanvas final : public ICanvas {
 public:
  CairoCanvas(cairo_t* cr, double scale) : m_cr(cr), m_scale(scale) {
    FinishFontWarmUp();  // before this thread's first use of pango
    m_context.reset(pango_cairo_create_context(cr));
    pango_context_set_language(m_context.get(), pango_language_from_string("zh-cn"));
    std::unique_ptr<cairo_font_options_t, CairoDeleter> options(cairo_font_options_create());
    cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(m_context.get(), options.get());
  }

  void FillRect(const RECT& rc, DWORD argb) override { FillDevice(ToDevice(rc, m_scale), argb); }

  // The frame's width is scaled once and kept on all four sides (edges rounded one by one would give a
  // 1-pixel frame at 1.5 sides of one and two pixels).
  void DrawFrame(const RECT& rc, int width, DWORD argb) override {
    if (rc.IsEmpty() || width <= 0) return;
    for (const RECT& side : FrameSides(ToDevice(rc, m_scale), std::max(1, ToDevice(width, m_scale)))) {
      FillDevice(side, argb);
    }
  }

  bool DrawImage(const RECT& dest, const std::string& file) override {
    cairo_surface_t* image = Pick(file).image;
    RECT const d = ToDevice(dest, m_scale);
    if (image == nullptr || d.IsEmpty()) return false;
    int w = cairo_image_surface_get_width(image);
    int h = cairo_image_surface_get_height(image);
    if (w <= 0 || h <= 0) return false;
    cairo_save(m_cr);
    cairo_translate(m_cr, d.left, d.top);
    if (w != d.Width() || h != d.Height()) {
      cairo_scale(m_cr, static_cast<double>(d.Width()) / w, static_cast<double>(d.Height()) / h);
    }
    cairo_set_source_surface(m_cr, image, 0, 0);
    cairo_pattern_set_extend(cairo_get_source(m_cr), CAIRO_EXTEND_PAD);
    cairo_rectangle(m_cr, 0, 0, w, h);
    cairo_fill(m_cr);
    cairo_restore(m_cr);
    return true;
  }

  // In logical pixels: the 1x image's size, or a larger variant's divided by its factor.
  SIZE ImageSize(const std::string& file) override {
    PickedImage<cairo_surface_t> const picked = Pick(file);
    if (picked.image == nullptr) return SIZE{};
    return SIZE{static_cast<int>(std::lround(cairo_image_surface_get_width(picked.image) / picked.factor)),
                static_cast<int>(std::lround(cairo_image_surface_get_height(picked.image) / picked.factor))};
  }

  // Laid out and drawn at the device size (the font at size x scale, never a small rendering enlarged).
  void DrawText(const RECT& logical, std::wstring_view text, const FontSpec& font, DWORD argb, UINT style) override {
    RECT const rc = ToDevice(logical, m_scale);
    if (text.empty() || rc.IsEmpty()) return;
    PangoLayout* layout = Prepare(text, font, rc.Width(), style);
    PangoRectangle extents;
    pango_layout_get_pixel_extents(layout, nullptr, &extents);
    int x = rc.left;
    if (pango_layout_get_width(layout) < 0) {
      // Unbounded single line: align it ourselves.
      if (style & DT_CENTER) x = rc.left + (rc.Width() - extents.width) / 2;
      else if (style & DT_RIGHT) x = rc.right - extents.width;
      x -= extents.x;
    }
    int y = rc.top;
    if (style & DT_VCENTER) y = rc.top + (rc.Height() - extents.height) / 2;
    else if (style & DT_BOTTOM) y = rc.bottom - extents.height;
    y -= extents.y;
    cairo_save(m_cr);
    cairo_rectangle(m_cr, rc.left, rc.top, rc.Width(), rc.Height());
    cairo_clip(m_cr);
    SetSource(m_cr, argb);
    cairo_move_to(m_cr, x, y);
    pango_cairo_show_layout(m_cr, layout);
    cairo_restore(m_cr);
  }

  // In logical pixels, rounded up: the text fits the size given back.
  SIZE MeasureText(std::wstring_view text, const FontSpec& font, int maxWidth, UINT style) override {
    if (text.empty()) return SIZE{};
    PangoLayout* layout = Prepare(text, font, maxWidth > 0 ? ToDevice(maxWidth, m_scale) : maxWidth, style);
    int w = 0;
    int h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    return SIZE{static_cast<int>(std::ceil(w / m_scale - 1e-9)), static_cast<int>(std::ceil(h / m_scale - 1e-9))};
  }

  // In logical pixels: the layout is shaped at the device size, as drawn, and its positions divided back.
  std::vector<int> MeasureCaretStops(std::wstring_view text, const FontSpec& font) override {
    std::vector<int> stops(text.size() + 1, 0);
    if (text.empty()) return stops;
    PangoLayout* layout = Prepare(text, font, 0, DT_SINGLELINE);
    // Each cluster's left edge by the byte it starts at, then the stop of each wide index from its byte.
    std::vector<int> clusterX(m_utf8.size() + 1, -1);
    PangoLayoutIter* iter = pango_layout_get_iter(layout);
    do {
      int const index = pango_layout_iter_get_index(iter);
      PangoRectangle logical;
      pango_layout_iter_get_cluster_extents(iter, nullptr, &logical);
      if (index >= 0 && static_cast<std::size_t>(index) < clusterX.size()) clusterX[static_cast<std::size_t>(index)] = ToLogical(logical.x);
    } while (pango_layout_iter_next_cluster(iter));
    pango_layout_iter_free(iter);
    std::size_t byte = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      bool const pair = i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF && text[i + 1] >= 0xDC00 &&
                        text[i + 1] <= 0xDFFF;
      int const x = byte < clusterX.size() ? clusterX[byte] : -1;
      stops[i] = x >= 0 ? x : (i > 0 ? stops[i - 1] : 0);  // inside a cluster: its start
      byte += pair ? 4 : Utf8Length(static_cast<std::uint32_t>(text[i]));
      if (pair) {
        stops[i + 1] = stops[i];
        ++i;
      }
    }
    int width = 0;
    pango_layout_get_size(layout, &width, nullptr);
    stops[text.size()] = ToLogical(width);
    return stops;
  }

  void PushClip(const RECT& logical) override {
    RECT const rc = ToDevice(logical, m_scale);
    cairo_save(m_cr);
    cairo_rectangle(m_cr, rc.left, rc.top, std::max(0, rc.Width()), std::max(0, rc.Height()));
    cairo_clip(m_cr);
  }

  void PopClip() override { cairo_restore(m_cr); }

 private:
  // Pango units of the device-sized layout as logical pixels.
  int ToLogical(int units) const { return static_cast<int>(std::lround(pango_units_to_double(units) / m_scale)); }

  struct CachedFont {
    FontSpec key;
    std::unique_ptr<PangoLayout, GObjectDeleter> layout;
  };

  void FillDevice(const RECT& rc, DWORD argb) {
    if (rc.IsEmpty()) return;
    SetSource(m_cr, argb);
    cairo_rectangle(m_cr, rc.left, rc.top, rc.Width(), rc.Height());
    cairo_fill(m_cr);
  }

  // The variant of each image for this canvas's scale, looked for once per name.
  PickedImage<cairo_surface_t> Pick(const std::string& file) {
    auto it = m_picked.find(file);
    if (it != m_picked.end()) return it->second;
    auto picked = PickImage<cairo_surface_t>(file, m_scale, ProbeCachedImage, LoadCachedImage);
    m_picked.emplace(file, picked);
    return picked;
  }

  // One empty layout per font, copied for each text drawn in it: resolving a font description once.
  std::size_t FontIndex(const FontSpec& font) {
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
      if (m_fonts[i].key == font) return i;
    }
    std::string family = platform::WideToUtf8(font.face);
    family += family.empty() ? kFallbackFaces : std::string(",") + kFallbackFaces;
    std::unique_ptr<PangoFontDescription, FontDescriptionDeleter> description(pango_font_description_new());
    pango_font_description_set_family(description.get(), family.c_str());
    double const pixels = std::clamp(font.size, 1, kMaxFontPixels) * m_scale;
    pango_font_description_set_absolute_size(description.get(), std::round(pixels * PANGO_SCALE));
    pango_font_description_set_weight(description.get(), font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(description.get(), font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    std::unique_ptr<PangoLayout, GObjectDeleter> layout(pango_layout_new(m_context.get()));
    pango_layout_set_font_description(layout.get(), description.get());
    if (font.underline) {
      PangoAttrList* attrs = pango_attr_list_new();
      pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
      pango_layout_set_attributes(layout.get(), attrs);
      pango_attr_list_unref(attrs);
    }
    m_fonts.push_back(CachedFont{font, std::move(layout)});
    return m_fonts.size() - 1;
  }

  // A layout per text, font, width and style, shaped once and reused: a month step draws mostly the same
  // day numbers, lunar days and labels as the month before, and shaping is most of a text's cost. Two
  // generations of at most kShapedPerGeneration entries keep what was drawn lately (the clock's every
  // second would otherwise fill the cache) without an order list per draw.
  PangoLayout* Prepare(std::wstring_view text, const FontSpec& font, int width, UINT style) {
    m_utf8 = platform::WideToUtf8(text);
    bool const wrap = (style & DT_WORDBREAK) != 0 && (style & DT_SINGLELINE) == 0;
    bool const ellipsis = !wrap && (style & DT_END_ELLIPSIS) != 0;
    width = (wrap || ellipsis) && width > 0 ? std::min(width, kMaxTextWidth) : -1;
    PangoAlignment align = PANGO_ALIGN_LEFT;
    if (style & DT_CENTER) align = PANGO_ALIGN_CENTER;
    else if (style & DT_RIGHT) align = PANGO_ALIGN_RIGHT;
    std::size_t const fontIndex = FontIndex(font);
    ShapedKey key{m_utf8, fontIndex, width, (wrap ? 1 : 0) | (ellipsis ? 2 : 0) | (static_cast<int>(align) << 2)};
    if (auto it = m_shaped.find(key); it != m_shaped.end()) return it->second.get();
    std::unique_ptr<PangoLayout, GObjectDeleter> layout;
    if (auto old = m_shapedBefore.find(key); old != m_shapedBefore.end()) {
      layout = std::move(old->second);
      m_shapedBefore.erase(old);
    } else {
      layout.reset(pango_layout_copy(m_fonts[fontIndex].layout.get()));
      pango_layout_set_text(layout.get(), m_utf8.c_str(), static_cast<int>(m_utf8.size()));
      pango_layout_set_single_paragraph_mode(layout.get(), !wrap);
      pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
      pango_layout_set_ellipsize(layout.get(), ellipsis ? PANGO_ELLIPSIZE_END : PANGO_ELLIPSIZE_NONE);
      pango_layout_set_width(layout.get(), width > 0 ? width * PANGO_SCALE : -1);
      pango_layout_set_alignment(layout.get(), align);
    }
    if (m_shaped.size() >= kShapedPerGeneration) {
      m_shapedBefore = std::move(m_shaped);
      m_shaped.clear();
    }
    return m_shaped.emplace(std::move(key), std::move(layout)).first->second.get();
  }

  struct ShapedKey {
    std::string text;
    std::size_t font;
    int width;
    int style;
    bool operator==(const ShapedKey&) const = default;
  };
  struct ShapedKeyHash {
    std::size_t operator()(const ShapedKey& k) const {
      std::size_t h = std::hash<std::string>{}(k.text);
      for (std::size_t part : {k.font, static_cast<std::size_t>(k.width), static_cast<std::size_t>(k.style)}) {
        h ^= part + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
      }
      return h;
    }
  };
  using ShapedLayouts = std::unordered_map<ShapedKey, std::unique_ptr<PangoLayout, GObjectDeleter>, ShapedKeyHash>;
  static constexpr std::size_t kShapedPerGeneration = 256;

  cairo_t* m_cr;
  double m_scale;
  std::unique_ptr<PangoContext, GObjectDeleter> m_context;
  std::vector<CachedFont> m_fonts;
  std::unordered_map<std::string, PickedImage<cairo_surface_t>> m_picked;
  ShapedLayouts m_shaped;
  ShapedLayouts m_shapedBefore;
  std::string m_utf8;
};

}  // namespace

struct CairoFrame::Impl {
  Impl(cairo_surface_t* image, double frameScale) : surface(image), scale(ClampScale(frameScale)) {
    cr.reset(cairo_create(surface.get()));
    canvas = std::make_unique<CairoCanvas>(cr.get(), scale);
  }
  std::unique_ptr<cairo_surface_t, CairoDeleter> surface;
  std::unique_ptr<cairo_t, CairoDeleter> cr;
  std::unique_ptr<CairoCanvas> canvas;
  double scale;
};

CairoFrame::CairoFrame(Made, std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

CairoFrame::CairoFrame(int width, int height, double scale)
    : CairoFrame(Made{}, std::make_unique<Impl>(
          cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(1, width), std::max(1, height)), scale)) {}

std::unique_ptr<CairoFrame> CairoFrame::OverPixels(std::uint8_t* pixels, int width, int height, int stride,
                                                   PixelLayout layout, double scale) {
  cairo_format_t const format = layout == PixelLayout::opaqueRgb ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32;
  if (pixels == nullptr || width < 1 || height < 1 || stride % 4 != 0 ||
      stride < cairo_format_stride_for_width(format, width)) {
    return nullptr;
  }
  // cairo and pixman only read and write inside the rows; the memory stays the caller's.
  cairo_surface_t* image = cairo_image_surface_create_for_data(pixels, format, width, height, stride);
  if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(image);
    return nullptr;
  }
  return std::make_unique<CairoFrame>(Made{}, std::make_unique<Impl>(image, scale));
}

CairoFrame::~CairoFrame() = default;

int CairoFrame::Width() const { return cairo_image_surface_get_width(m_impl->surface.get()); }
int CairoFrame::Height() const { return cairo_image_surface_get_height(m_impl->surface.get()); }
double CairoFrame::Scale() const { return m_impl->scale; }
ICanvas& CairoFrame::Canvas() { return *m_impl->canvas; }
void CairoFrame::Flush() { cairo_surface_flush(m_impl->surface.get()); }
int CairoFrame::Stride() const { return cairo_image_surface_get_stride(m_impl->surface.get()); }

const std::uint8_t* CairoFrame::Data() {
  Flush();
  return cairo_image_surface_get_data(m_impl->surface.get());
}

DWORD CairoFrame::Pixel(int x, int y) {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
  const std::uint8_t* row = Data() + static_cast<std::ptrdiff_t>(y) * Stride();
  std::uint32_t p = reinterpret_cast<const std::uint32_t*>(row)[x];
  if (cairo_image_surface_get_format(m_impl->surface.get()) == CAIRO_FORMAT_RGB24) return p | 0xFF000000u;
  std::uint32_t a = p >> 24;
  if (a == 0) return 0;
  auto channel = [&](int shift) { return std::min<std::uint32_t>(255, ((p >> shift) & 0xFF) * 255 / a); };
  return (a << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
}

std::string CairoFrame::EncodePng() {
  Flush();
  std::string png;
  auto const append = [](void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
  };
  if (cairo_surface_write_to_png_stream(m_impl->surface.get(), append, &png) != CAIRO_STATUS_SUCCESS) return {};
  return png;
}

bool CairoFrame::SavePng(const std::string& file) { return WritePngFile(file, EncodePng()); }

}  // namespace DuiLib
