#include "app/dun_icon.h"

#include <gtest/gtest.h>

#include <QImageReader>

namespace dunra {
namespace {

void ExpectSamePicture(const QImage& actual, const QImage& expected) {
  ASSERT_EQ(actual.size(), QSize(32, 32));
  const QImage a = actual.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      ASSERT_EQ(a.pixel(x, y), expected.pixel(x, y)) << x << "," << y;
    }
  }
}

TEST(DunIconTest, IsA32By32PictureWithATransparentBorder) {
  const QImage icon = DunIconImage();
  ASSERT_EQ(icon.size(), QSize(32, 32));
  EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(icon.pixel(16, 16)), 255);
}

TEST(DunIconTest, PngHoldsTheSamePicture) {
  const std::vector<uint8_t> png = DunIconPng();
  QImage decoded;
  ASSERT_TRUE(decoded.loadFromData(png.data(), static_cast<int>(png.size()), "PNG"));
  ExpectSamePicture(decoded, DunIconImage());
}

TEST(DunIconTest, IcoBesideTheProgramHoldsTheSamePicture) {
  QImageReader reader(QStringLiteral(DUN_ICO_PATH));
  EXPECT_EQ(reader.format(), "ico");
  const QImage decoded = reader.read();
  ASSERT_FALSE(decoded.isNull()) << DUN_ICO_PATH << ": " << qPrintable(reader.errorString());
  ExpectSamePicture(decoded, DunIconImage());
}

}  // namespace
}  // namespace dunra
