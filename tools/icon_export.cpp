// SPDX-FileCopyrightText: 2026 Tarsomel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Turns the icon's editable source (an XPM) into the files the editions and
// their installers want: PNGs at 32, 64, 128, 192 and 512 pixels (pixels
// repeated, never blurred) and a Windows .ico holding the 32 x 32 image.
// The files are committed beside the source, so that no build needs this
// tool; a test runs it with --check to show that they are the source's.
//   icon_export ICON.xpm DIRECTORY           writes the files into DIRECTORY
//   icon_export --check ICON.xpm DIRECTORY   exits 0 when DIRECTORY holds them
// Standard C++ and zlib only.
#include <zlib.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 32;
constexpr std::array<int, 5> kPngSizes = {32, 64, 128, 192, 512};

using Bytes = std::vector<unsigned char>;

struct Image {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0xAARRGGBB, row by row
};

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The quoted strings of an XPM file, in order; comments are skipped.
std::vector<std::string> XpmStrings(const std::string& text) {
  std::vector<std::string> strings;
  for (size_t at = 0; at < text.size(); ++at) {
    if (text.compare(at, 2, "/*") == 0) {
      const size_t end = text.find("*/", at + 2);
      if (end == std::string::npos) break;
      at = end + 1;
    } else if (text[at] == '"') {
      const size_t end = text.find('"', at + 1);
      if (end == std::string::npos) break;
      strings.push_back(text.substr(at + 1, end - at - 1));
      at = end;
    }
  }
  return strings;
}

// An XPM with one character per pixel and colours given as "None" or
// "#RRGGBB", as the icon's source is written.
std::optional<Image> ParseXpm(const std::string& text, std::string* error) {
  const std::vector<std::string> strings = XpmStrings(text);
  int width = 0, height = 0, colours = 0, per_pixel = 0;
  if (strings.empty() || std::sscanf(strings[0].c_str(), "%d %d %d %d", &width, &height, &colours, &per_pixel) != 4 ||
      per_pixel != 1 || width <= 0 || height <= 0 || colours <= 0) {
    *error = "not an XPM with one character per pixel";
    return std::nullopt;
  }
  if (strings.size() != static_cast<size_t>(1 + colours + height)) {
    *error = "the XPM has not as many rows as it says";
    return std::nullopt;
  }
  std::map<char, uint32_t> palette;
  for (int i = 1; i <= colours; ++i) {
    const std::string& entry = strings[static_cast<size_t>(i)];
    std::istringstream words(entry.substr(1));
    std::string kind, value;
    words >> kind >> value;
    if (entry.empty() || kind != "c") {
      *error = "a colour is not given as 'c VALUE': " + entry;
      return std::nullopt;
    }
    if (value == "None") {
      palette[entry[0]] = 0;
    } else if (value.size() == 7 && value[0] == '#') {
      palette[entry[0]] = 0xFF000000u | static_cast<uint32_t>(std::stoul(value.substr(1), nullptr, 16));
    } else {
      *error = "a colour is neither None nor #RRGGBB: " + entry;
      return std::nullopt;
    }
  }
  Image image{width, height, {}};
  for (int y = 0; y < height; ++y) {
    const std::string& row = strings[static_cast<size_t>(1 + colours + y)];
    if (row.size() != static_cast<size_t>(width)) {
      *error = "row " + std::to_string(y) + " is not " + std::to_string(width) + " pixels wide";
      return std::nullopt;
    }
    for (char c : row) {
      const auto colour = palette.find(c);
      if (colour == palette.end()) {
        *error = std::string("a pixel has no colour: '") + c + "'";
        return std::nullopt;
      }
      image.pixels.push_back(colour->second);
    }
  }
  return image;
}

// Each pixel of the result is the source pixel under its top left corner.
Image Scaled(const Image& source, int side) {
  Image out{side, side, {}};
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      out.pixels.push_back(
          source.pixels[static_cast<size_t>(y * source.height / side * source.width + x * source.width / side)]);
    }
  }
  return out;
}

void Put32(Bytes& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(v >> shift));
}
void PutLe16(Bytes& out, uint32_t v) {
  out.push_back(static_cast<unsigned char>(v));
  out.push_back(static_cast<unsigned char>(v >> 8));
}
void PutLe32(Bytes& out, uint32_t v) {
  PutLe16(out, v & 0xFFFF);
  PutLe16(out, v >> 16);
}

// The image as PNG rows: RGBA, 8 bits, each row led by filter 0.
Bytes PngRows(const Image& image) {
  Bytes rows;
  for (int y = 0; y < image.height; ++y) {
    rows.push_back(0);
    for (int x = 0; x < image.width; ++x) {
      const uint32_t p = image.pixels[static_cast<size_t>(y * image.width + x)];
      for (int shift : {16, 8, 0, 24}) rows.push_back(static_cast<unsigned char>(p >> shift));
    }
  }
  return rows;
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
  Put32(out, static_cast<uint32_t>(data.size()));
  Bytes typed(type, type + 4);
  typed.insert(typed.end(), data.begin(), data.end());
  out.insert(out.end(), typed.begin(), typed.end());
  Put32(out, static_cast<uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
}

Bytes Png(const Image& image) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  Put32(header, static_cast<uint32_t>(image.width));
  Put32(header, static_cast<uint32_t>(image.height));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, filter 0, no interlace
  PutChunk(out, "IHDR", header);
  const Bytes rows = PngRows(image);
  uLongf size = compressBound(static_cast<uLong>(rows.size()));
  Bytes packed(size);
  compress2(packed.data(), &size, rows.data(), static_cast<uLong>(rows.size()), Z_BEST_COMPRESSION);
  packed.resize(size);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  return out;
}

// A PNG's header and its rows unpacked: what it shows, whichever zlib
// packed it. Empty when it is not a PNG of this tool's kind.
Bytes PngContent(const std::string& file) {
  Bytes content, packed;
  size_t at = 8;
  if (file.compare(0, 8, "\x89PNG\r\n\x1A\n") != 0) return {};
  while (at + 12 <= file.size()) {
    const auto* p = reinterpret_cast<const unsigned char*>(file.data() + at);
    const size_t length = (size_t{p[0]} << 24) | (size_t{p[1]} << 16) | (size_t{p[2]} << 8) | p[3];
    if (at + 12 + length > file.size()) return {};
    const std::string type = file.substr(at + 4, 4);
    if (type == "IHDR") content.insert(content.end(), p + 8, p + 8 + length);
    if (type == "IDAT") packed.insert(packed.end(), p + 8, p + 8 + length);
    at += 12 + length;
  }
  if (content.size() != 13) return {};
  const size_t width = (size_t{content[0]} << 24) | (size_t{content[1]} << 16) | (size_t{content[2]} << 8) | content[3];
  const size_t height =
      (size_t{content[4]} << 24) | (size_t{content[5]} << 16) | (size_t{content[6]} << 8) | content[7];
  if (width > 4096 || height > 4096) return {};
  uLongf size = static_cast<uLongf>(height * (1 + width * 4));
  Bytes rows(size);
  if (uncompress(rows.data(), &size, packed.data(), static_cast<uLong>(packed.size())) != Z_OK || size != rows.size()) {
    return {};
  }
  content.insert(content.end(), rows.begin(), rows.end());
  return content;
}

// A Windows icon with one 32-bit image: a bottom-up BGRA bitmap followed by
// its 1-bit mask, set where the image is transparent.
Bytes Ico(const Image& image) {
  const auto side = static_cast<uint32_t>(image.width);
  const uint32_t mask_row = (side + 31) / 32 * 4;
  const uint32_t bitmap_size = 40 + side * side * 4 + mask_row * side;
  Bytes out;
  PutLe16(out, 0);  // reserved
  PutLe16(out, 1);  // an icon
  PutLe16(out, 1);  // one image
  out.push_back(static_cast<unsigned char>(side));
  out.push_back(static_cast<unsigned char>(side));
  out.push_back(0);  // no palette
  out.push_back(0);
  PutLe16(out, 1);   // planes
  PutLe16(out, 32);  // bits per pixel
  PutLe32(out, bitmap_size);
  PutLe32(out, 6 + 16);  // where the image starts
  PutLe32(out, 40);
  PutLe32(out, side);
  PutLe32(out, side * 2);  // the image and its mask
  PutLe16(out, 1);
  PutLe16(out, 32);
  for (int k = 0; k < 6; ++k) PutLe32(out, 0);  // no compression, sizes and colours left to the reader
  for (uint32_t y = side; y-- > 0;) {
    for (uint32_t x = 0; x < side; ++x) PutLe32(out, image.pixels[y * side + x]);
  }
  for (uint32_t y = side; y-- > 0;) {
    Bytes row(mask_row, 0);
    for (uint32_t x = 0; x < side; ++x) {
      if ((image.pixels[y * side + x] >> 24) == 0) row[x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

// Every file this tool makes, by name.
std::map<std::string, Bytes> Files(const Image& icon) {
  std::map<std::string, Bytes> files;
  for (int size : kPngSizes) files["tarsomel-" + std::to_string(size) + ".png"] = Png(Scaled(icon, size));
  files["tarsomel.ico"] = Ico(icon);
  return files;
}

int Fail(const std::string& what) {
  std::fprintf(stderr, "icon_export: %s\n", what.c_str());
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool check = argc == 4 && std::string(argv[1]) == "--check";
  if (argc != 3 && !check) {
    std::fprintf(stderr, "usage: icon_export ICON.xpm DIRECTORY\n       icon_export --check ICON.xpm DIRECTORY\n");
    return 2;
  }
  const std::string source = argv[check ? 2 : 1];
  const std::string directory = argv[check ? 3 : 2];
  const std::optional<std::string> text = ReadFile(source);
  if (!text) return Fail("cannot read " + source);
  std::string error;
  const std::optional<Image> icon = ParseXpm(*text, &error);
  if (!icon) return Fail(source + ": " + error);
  if (icon->width != kSide || icon->height != kSide) return Fail(source + ": the icon is not 32 x 32 pixels");

  int status = 0;
  for (const auto& [name, bytes] : Files(*icon)) {
    const std::string path = directory + "/" + name;
    if (check) {
      const std::optional<std::string> found = ReadFile(path);
      const std::string made(bytes.begin(), bytes.end());
      const bool same =
          found && (name.ends_with(".png") ? !PngContent(made).empty() && PngContent(made) == PngContent(*found)
                                           : made == *found);
      if (!same)
        status = Fail(path + (found ? " is not made from " : " is missing; make it from ") + source + " (icon_export " +
                      source + " " + directory + ")");
      continue;
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) return Fail("cannot write " + path);
  }
  return status;
}
