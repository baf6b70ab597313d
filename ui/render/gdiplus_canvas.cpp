#include "ui/render/gdiplus_canvas.h"

// The framework's headers come first: <windows.h> turns DrawText into a macro and defines the WM_* / DT_*
// names that ui_defs.h declares as constants (with the same values).
#include <windows.h>

#include <gdiplus.h>
#undef DrawText

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_map>
#include <vector>

#include "platform/code_page.h"
#include "platform/path_encoding.h"
#include "ui/device_scale.h"
#include "ui/render/gdiplus_image_cache.h"
#include "ui/render/image_variants.h"
#include "ui/render/gdiplus_session.h"

namespace DuiLib {
namespace {

// Tried in order after the skin's own face.
constexpr const wchar_t* kFallbackFaces[] = {L"Microsoft YaHei", L"SimSun"};

bool IsInstalled(const std::wstring& family) {
  if (family.empty()) return false;
  Gdiplus::FontFamily probe(family.c_str());
  return probe.GetLastStatus() == Gdiplus::Ok && probe.IsAvailable();
}

// The first TrueType family that declares the simplified Chinese character set, or empty.
std::wstring AnyChineseFamily() {
  ::HDC screen = GetDC(nullptr);
  if (screen == nullptr) return {};
  LOGFONTW wanted{};
  wanted.lfCharSet = GB2312_CHARSET;
  std::wstring found;
  EnumFontFamiliesExW(
      screen, &wanted,
      [](const LOGFONTW* font, const TEXTMETRICW*, ::DWORD type, ::LPARAM found) -> int {
        if ((type & TRUETYPE_FONTTYPE) == 0 || font->lfFaceName[0] == L'@') return 1;  // '@': vertical
        *reinterpret_cast<std::wstring*>(found) = font->lfFaceName;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

Gdiplus::Color ToColor(DWORD argb) { return Gdiplus::Color(static_cast<Gdiplus::ARGB>(argb)); }

Gdiplus::Rect ToRect(const RECT& rc) { return Gdiplus::Rect(rc.left, rc.top, rc.Width(), rc.Height()); }

Gdiplus::RectF ToRectF(const RECT& rc) {
  return Gdiplus::RectF(static_cast<Gdiplus::REAL>(rc.left), static_cast<Gdiplus::REAL>(rc.top),
                        static_cast<Gdiplus::REAL>(rc.Width()), static_cast<Gdiplus::REAL>(rc.Height()));
}

// The DT_* flags as a GDI+ string format: no padding around the text (as pango draws it), clipped to the
// rectangle, partial lines shown.
void SetUpFormat(Gdiplus::StringFormat& format, UINT style) {
  bool const wrap = (style & DT_WORDBREAK) != 0 && (style & DT_SINGLELINE) == 0;
  INT flags = format.GetFormatFlags();
  flags &= ~(Gdiplus::StringFormatFlagsNoClip | Gdiplus::StringFormatFlagsLineLimit);
  flags |= Gdiplus::StringFormatFlagsMeasureTrailingSpaces;
  if (!wrap) flags |= Gdiplus::StringFormatFlagsNoWrap;
  format.SetFormatFlags(flags);
  format.SetAlignment((style & DT_CENTER)  ? Gdiplus::StringAlignmentCenter
                      : (style & DT_RIGHT) ? Gdiplus::StringAlignmentFar
                                           : Gdiplus::StringAlignmentNear);
  format.SetLineAlignment((style & DT_VCENTER)  ? Gdiplus::StringAlignmentCenter
                          : (style & DT_BOTTOM) ? Gdiplus::StringAlignmentFar
                                                : Gdiplus::StringAlignmentNear);
  bool const ellipsis = !wrap && (style & DT_END_ELLIPSIS) != 0;
  format.SetTrimming(ellipsis ? Gdiplus::StringTrimmingEllipsisCharacter : Gdiplus::StringTrimmingNone);
}

class GdiplusCanvas final : public ICanvas {
 public:
  GdiplusCanvas(Gdiplus::Bitmap& target, double scale) : m_graphics(&target), m_scale(scale) {
    m_graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    m_graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
  }

  void FillRect(const RECT& rc, DWORD argb) override { FillDevice(ToDevice(rc, m_scale), argb); }

  // The frame's width is scaled once and kept on all four sides, as the cairo canvas does.
  void DrawFrame(const RECT& rc, int width, DWORD argb) override {
    if (rc.IsEmpty() || width <= 0) return;
    for (const RECT& side : FrameSides(ToDevice(rc, m_scale), std::max(1, ToDevice(width, m_scale)))) {
      FillDevice(side, argb);
    }
  }

  bool DrawImage(const RECT& dest, const std::string& file) override {
    Gdiplus::Bitmap* image = Pick(file).image;
    RECT const d = ToDevice(dest, m_scale);
    if (image == nullptr || d.IsEmpty()) return false;
    INT const w = static_cast<INT>(image->GetWidth());
    INT const h = static_cast<INT>(image->GetHeight());
    bool const sameSize = w == d.Width() && h == d.Height();
    m_graphics.SetInterpolationMode(sameSize ? Gdiplus::InterpolationModeNearestNeighbor
                                             : Gdiplus::InterpolationModeHighQualityBilinear);
    // Edge pixels repeat outwards instead of fading into nothing when the image is stretched.
    Gdiplus::ImageAttributes attributes;
    attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    return m_graphics.DrawImage(image, ToRect(d), 0, 0, w, h, Gdiplus::UnitPixel, &attributes) == Gdiplus::Ok;
  }

  // In logical pixels: the 1x image's size, or a larger variant's divided by its factor.
  SIZE ImageSize(const std::string& file) override {
    PickedImage<Gdiplus::Bitmap> const picked = Pick(file);
    if (picked.image == nullptr) return SIZE{};
    return SIZE{static_cast<int>(std::lround(picked.image->GetWidth() / picked.factor)),
                static_cast<int>(std::lround(picked.image->GetHeight() / picked.factor))};
  }

  // Laid out and drawn at the device size (the font at size x scale, never a small rendering enlarged).
  void DrawText(const RECT& logical, std::wstring_view text, const FontSpec& font, DWORD argb, UINT style) override {
    RECT const rc = ToDevice(logical, m_scale);
    if (text.empty() || rc.IsEmpty()) return;
    Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
    SetUpFormat(format, style);
    Gdiplus::SolidBrush brush(ToColor(argb));
    m_graphics.DrawString(text.data(), static_cast<INT>(text.size()), &FontFor(font), ToRectF(rc), &format, &brush);
  }

  // In logical pixels, rounded up: the text fits the size given back.
  SIZE MeasureText(std::wstring_view text, const FontSpec& font, int maxWidth, UINT style) override {
    if (text.empty()) return SIZE{};
    Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
    SetUpFormat(format, style & ~(DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM));
    Gdiplus::REAL const width = maxWidth > 0 ? static_cast<Gdiplus::REAL>(ToDevice(maxWidth, m_scale)) : 100000.0f;
    Gdiplus::RectF bounds;
    m_graphics.MeasureString(text.data(), static_cast<INT>(text.size()), &FontFor(font),
                             Gdiplus::RectF(0, 0, width, 100000.0f), &format, &bounds);
    auto const scale = static_cast<Gdiplus::REAL>(m_scale);
    return SIZE{static_cast<int>(bounds.Width / scale + 0.999f), static_cast<int>(bounds.Height / scale + 0.999f)};
  }

  void PushClip(const RECT& rc) override {
    m_clips.push_back(m_graphics.Save());
    m_graphics.IntersectClip(ToRect(ToDevice(rc, m_scale)));
  }

  void PopClip() override {
    if (m_clips.empty()) return;
    m_graphics.Restore(m_clips.back());
    m_clips.pop_back();
  }

  void Flush() { m_graphics.Flush(Gdiplus::FlushIntentionSync); }

 private:
  struct CachedFont {
    FontSpec key;
    std::unique_ptr<Gdiplus::FontFamily> family;
    std::unique_ptr<Gdiplus::Font> font;
  };

  // One GDI+ font per skin font: resolving a family by name costs more than drawing a short label.
  void FillDevice(const RECT& rc, DWORD argb) {
    if (rc.IsEmpty()) return;
    Gdiplus::SolidBrush brush(ToColor(argb));
    m_graphics.FillRectangle(&brush, ToRect(rc));
  }

  // The variant of each image for this canvas's scale, looked for once per name.
  PickedImage<Gdiplus::Bitmap> Pick(const std::string& file) {
    auto it = m_picked.find(file);
    if (it != m_picked.end()) return it->second;
    auto picked = PickImage<Gdiplus::Bitmap>(file, m_scale, ProbeCachedGdiplusImage, LoadCachedGdiplusImage);
    m_picked.emplace(file, picked);
    return picked;
  }

  Gdiplus::Font& FontFor(const FontSpec& wanted) {
    for (CachedFont& cached : m_fonts) {
      if (cached.key == wanted) return *cached.font;
    }
    std::wstring const name = ResolveGdiplusFontFamily(wanted.face);
    auto family = name.empty() ? std::unique_ptr<Gdiplus::FontFamily>(Gdiplus::FontFamily::GenericSansSerif()->Clone())
                               : std::make_unique<Gdiplus::FontFamily>(name.c_str());
    INT style = Gdiplus::FontStyleRegular;
    if (wanted.bold) style |= Gdiplus::FontStyleBold;
    if (wanted.italic) style |= Gdiplus::FontStyleItalic;
    if (wanted.underline) style |= Gdiplus::FontStyleUnderline;
    auto const pixels = static_cast<Gdiplus::REAL>(std::clamp(wanted.size, 1, kMaxFontPixels) * m_scale);
    auto font = std::make_unique<Gdiplus::Font>(family.get(), pixels, style, Gdiplus::UnitPixel);
    m_fonts.push_back(CachedFont{wanted, std::move(family), std::move(font)});
    return *m_fonts.back().font;
  }

  Gdiplus::Graphics m_graphics;
  double m_scale;
  std::vector<Gdiplus::GraphicsState> m_clips;
  std::vector<CachedFont> m_fonts;
  std::unordered_map<std::string, PickedImage<Gdiplus::Bitmap>> m_picked;
};

}  // namespace

std::wstring ResolveGdiplusFontFamily(const std::wstring& face) {
  if (!StartGdiplusOnce()) return {};
  if (IsInstalled(face)) return face;
  for (const wchar_t* fallback : kFallbackFaces) {
    if (IsInstalled(fallback)) return fallback;
  }
  std::wstring any = AnyChineseFamily();
  return IsInstalled(any) ? any : std::wstring();
}

struct GdiplusFrame::Impl {
  int width = 1;
  int height = 1;
  std::vector<std::uint32_t> pixels;  // top-down rows of premultiplied 0xAARRGGBB
  std::unique_ptr<Gdiplus::Bitmap> bitmap;  // draws into `pixels`
  std::unique_ptr<GdiplusCanvas> canvas;
  double scale = 1.0;
};

GdiplusFrame::GdiplusFrame(int width, int height, double scale) : m_impl(std::make_unique<Impl>()) {
  StartGdiplusOnce();
  m_impl->scale = ClampScale(scale);
  m_impl->width = std::max(1, width);
  m_impl->height = std::max(1, height);
  m_impl->pixels.assign(static_cast<std::size_t>(m_impl->width) * m_impl->height, 0);
  m_impl->bitmap = std::make_unique<Gdiplus::Bitmap>(m_impl->width, m_impl->height, Stride(), PixelFormat32bppPARGB,
                                                     reinterpret_cast<BYTE*>(m_impl->pixels.data()));
  m_impl->canvas = std::make_unique<GdiplusCanvas>(*m_impl->bitmap, m_impl->scale);
}

GdiplusFrame::~GdiplusFrame() = default;

int GdiplusFrame::Width() const { return m_impl->width; }
int GdiplusFrame::Height() const { return m_impl->height; }
double GdiplusFrame::Scale() const { return m_impl->scale; }
ICanvas& GdiplusFrame::Canvas() { return *m_impl->canvas; }
void GdiplusFrame::Flush() { m_impl->canvas->Flush(); }
int GdiplusFrame::Stride() const { return m_impl->width * 4; }

const std::uint8_t* GdiplusFrame::Data() {
  Flush();
  return reinterpret_cast<const std::uint8_t*>(m_impl->pixels.data());
}

DWORD GdiplusFrame::Pixel(int x, int y) {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
  Flush();
  std::uint32_t const p = m_impl->pixels[static_cast<std::size_t>(y) * m_impl->width + x];
  std::uint32_t const a = p >> 24;
  if (a == 0) return 0;
  auto channel = [&](int shift) { return std::min<std::uint32_t>(255, ((p >> shift) & 0xFF) * 255 / a); };
  return (a << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
}

bool GdiplusFrame::SavePng(const std::string& file) {
  Flush();
  UINT count = 0;
  UINT bytes = 0;
  Gdiplus::GetImageEncodersSize(&count, &bytes);
  std::vector<std::uint8_t> buffer(std::max<UINT>(bytes, 1));
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  const CLSID* png = nullptr;
  if (bytes > 0 && Gdiplus::GetImageEncoders(count, bytes, encoders) == Gdiplus::Ok) {
    for (UINT i = 0; i < count; ++i) {
      if (std::wstring_view(encoders[i].MimeType) == L"image/png") png = &encoders[i].Clsid;
    }
  }
  std::wstring const path = platform::Utf8ToWide(platform::NarrowPathToUtf8(file));
  if (png == nullptr || m_impl->bitmap->Save(path.c_str(), png, nullptr) != Gdiplus::Ok) {
    std::fprintf(stderr, "wannianli: cannot write %s\n", file.c_str());
    return false;
  }
  return true;
}

}  // namespace DuiLib
