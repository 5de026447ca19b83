// deflate_bmp: writes a .bmp file as a deflated bitmap, the form the exe keeps its pictures in: the file's
// length (4 bytes, little-endian) and the file as one zlib stream at the best compression.
// Usage: deflate_bmp <in.bmp> <out>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

bool ReadFile(const char* path, std::vector<unsigned char>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <in.bmp> <out>\n", argv[0]);
    return 2;
  }
  std::vector<unsigned char> file;
  if (!ReadFile(argv[1], file) || file.empty() || file.size() > 0xFFFFFFFFu) {
    std::fprintf(stderr, "deflate_bmp: cannot read %s\n", argv[1]);
    return 1;
  }
  const auto length = static_cast<std::uint32_t>(file.size());
  uLongf streamLength = compressBound(length);
  std::vector<unsigned char> out(4 + streamLength);
  for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(length >> (8 * i));
  if (compress2(out.data() + 4, &streamLength, file.data(), length, Z_BEST_COMPRESSION) != Z_OK) {
    std::fprintf(stderr, "deflate_bmp: cannot compress %s\n", argv[1]);
    return 1;
  }
  out.resize(4 + streamLength);
  std::ofstream sink(argv[2], std::ios::binary | std::ios::trunc);
  sink.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  sink.close();
  if (!sink) {
    std::fprintf(stderr, "deflate_bmp: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
