#include "ui/host/sdl_surface_frame.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace DuiLib::sdl {
namespace {

// SDL's packed 32-bit formats are native-endian words, as cairo's are: these two are the same memory.
std::optional<PixelLayout> LayoutOf(const SDL_Surface& surface) {
  if (surface.pixels == nullptr || SDL_MUSTLOCK(&surface)) return std::nullopt;
  switch (surface.format->format) {
    case SDL_PIXELFORMAT_XRGB8888: return PixelLayout::opaqueRgb;
    case SDL_PIXELFORMAT_ARGB8888: return PixelLayout::premultipliedArgb;
    default: return std::nullopt;
  }
}

}  // namespace

SurfaceFrame::SurfaceFrame(SDL_Surface* target, double scale)
    : m_target(target), m_width(target->w), m_height(target->h) {
  if (std::optional<PixelLayout> layout = LayoutOf(*target)) {
    m_frame = CairoFrame::OverPixels(static_cast<std::uint8_t*>(target->pixels), target->w, target->h,
                                     target->pitch, *layout, scale);
    if (m_frame) return;
  }
  m_frame = std::make_unique<CairoFrame>(target->w, target->h, scale);
  // cairo's ARGB32 words are SDL's ARGB8888, converted as they are (no blending): premultiplied colours
  // over black, as the in-place frames show them. SDL only reads the source.
  m_source.reset(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(m_frame->Data()), m_frame->Width(),
                                                    m_frame->Height(), 32, m_frame->Stride(),
                                                    SDL_PIXELFORMAT_ARGB8888));
  if (!m_source) throw std::runtime_error(std::string("SDL cannot convert a frame: ") + SDL_GetError());
  SDL_SetSurfaceBlendMode(m_source.get(), SDL_BLENDMODE_NONE);
}

SurfaceFrame::~SurfaceFrame() = default;

void SurfaceFrame::Finish(const std::vector<SDL_Rect>& painted) {
  m_frame->Flush();
  if (InPlace()) return;
  for (SDL_Rect part : painted) {
    SDL_Rect source = part;
    if (SDL_BlitSurface(m_source.get(), &source, m_target, &part) != 0) {
      SDL_Log("SDL cannot convert a frame: %s", SDL_GetError());
      return;
    }
  }
}

}  // namespace DuiLib::sdl
