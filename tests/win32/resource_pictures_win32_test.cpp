// The exe's own resources: every picture of the skin, found by its name, has the pixels of its .bmp file, and
// is inflated once and kept until a trim, after which it is found again with the same pixels.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/bmp.h"
#include "platform/picture_scaling.h"
#include "platform/win32/forms/runtime_win32.h"
#include "platform/win32/handles.h"

namespace zv::platform {
namespace {

struct ModuleTraits {
  using Native = HMODULE;
  static Native Invalid() { return nullptr; }
  static void Close(Native h) { FreeLibrary(h); }
};

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ResourcePicturesWin32Test : public ::testing::Test {
 protected:
  // The exe's resources without running it.
  ScopedHandle<ModuleTraits> exe_{LoadLibraryExW(ZV_EXE_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE)};
};

TEST_F(ResourcePicturesWin32Test, EveryPictureOfTheExeHasTheArtFilesPixels) {
  ASSERT_TRUE(exe_) << "cannot load the exe's resources, error " << GetLastError();
  ResourcePictures pictures(exe_.get());
  int found = 0;
  // A scaled set's picture is named after its folder too: 150/skin.bmp is skin_150.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(ZV_ART_DIR)) {
    if (entry.path().extension() != ".bmp") continue;
    const std::filesystem::path folder = std::filesystem::relative(entry.path().parent_path(), ZV_ART_DIR);
    const std::string name =
        entry.path().stem().string() + (folder == "." ? std::string() : "_" + folder.string());
    SCOPED_TRACE(name);
    const std::optional<Picture> expected = DecodeBmp(ReadFile(entry.path()));
    ASSERT_TRUE(expected);
    const Picture* actual = pictures.Find(name, kStandardDpi);
    ASSERT_NE(actual, nullptr);
    ASSERT_EQ(actual->width, expected->width);
    ASSERT_EQ(actual->height, expected->height);
    EXPECT_TRUE(actual->pixels == expected->pixels);
    EXPECT_EQ(pictures.Find(name, kStandardDpi), actual) << "not kept";
    pictures.Trim();
    const Picture* again = pictures.Find(name, kStandardDpi);
    ASSERT_NE(again, nullptr) << "lost in a trim";
    EXPECT_TRUE(again->pixels == expected->pixels) << "changed by a trim";
    ++found;
  }
  EXPECT_GT(found, 0);
}

// At each dpi a picture has the size a control of its size is laid out at: the set drawn for that dpi where
// there is one (with that file's pixels), else the next larger set resized.
TEST_F(ResourcePicturesWin32Test, EveryPictureHasItsSizeAtEachDpi) {
  ASSERT_TRUE(exe_);
  ResourcePictures pictures(exe_.get());
  for (const auto& entry : std::filesystem::directory_iterator(ZV_ART_DIR)) {
    if (entry.path().extension() != ".bmp") continue;
    const std::string name = entry.path().stem().string();
    const std::optional<Picture> at96 = DecodeBmp(ReadFile(entry.path()));
    ASSERT_TRUE(at96);
    for (int dpi : {120, 144, 168, 192, 240}) {
      SCOPED_TRACE(name + " at " + std::to_string(dpi));
      const Picture* actual = pictures.Find(name, dpi);
      ASSERT_NE(actual, nullptr);
      EXPECT_EQ((Size{actual->width, actual->height}), PictureSizeAt({at96->width, at96->height}, dpi));
      const auto drawn = std::filesystem::path(ZV_ART_DIR) / std::to_string(dpi * 100 / kStandardDpi) /
                         entry.path().filename();
      if (std::filesystem::exists(drawn)) {
        const std::optional<Picture> expected = DecodeBmp(ReadFile(drawn));
        ASSERT_TRUE(expected);
        EXPECT_TRUE(actual->pixels == expected->pixels) << "not the set drawn for this dpi";
      }
      pictures.Trim();
    }
  }
}

TEST_F(ResourcePicturesWin32Test, AnUnknownNameFindsNothing) {
  ASSERT_TRUE(exe_);
  ResourcePictures pictures(exe_.get());
  EXPECT_EQ(pictures.Find("no_such_picture", kStandardDpi), nullptr);
  EXPECT_EQ(pictures.Find("no_such_picture", kStandardDpi), nullptr);
  // The icon is not a picture of the skin.
  EXPECT_EQ(pictures.Find("appicon", 144), nullptr);
}

}  // namespace
}  // namespace zv::platform
