#pragma once

#include <cstdint>

class Image;

// One OpenGL texture, held as its name plus one so that 0 means "none".
class TextureHandle {
  public:
    TextureHandle() = default;
    ~TextureHandle();
    TextureHandle(const TextureHandle&) = delete;
    TextureHandle& operator=(const TextureHandle&) = delete;

    // Builds a mipmapped texture from a colour picture and, when given, an
    // alpha picture. False when the pair cannot be combined; the handle is
    // then empty and the kind is drawn untextured.
    bool build(const Image& colour, const Image* alpha);
    // Binds the texture; an empty handle binds a name without an image.
    void bind() const;
    void release();

    std::uint32_t value() const { return value_; }

  private:
    std::uint32_t value_ = 0;
};
