// Splitting portrait GIFs into frames, on files the tests write themselves.
#include "app/GifFrames.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>

#include "forms/Form.h"
#include "forms/ImageArray.h"
#include "tests/support/Planner.h"
#include "tools/forge/GifWriter.h"

namespace {

using korvinth::GifLastFrame;
using korvinth::LoadGifFrames;

QImage Square(QRgb colour, int size = 4) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(colour);
  return image;
}

QByteArray Gif(const std::vector<forge::GifFrame>& frames) {
  const std::vector<QRgb> palette = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
  return forge::EncodeGif(8, 8, palette, frames);
}

class GifFrames : public testing_support::PlannerTest {
 protected:
  void SetUp() override {
    PlannerTest::SetUp();
    form = new forms::Form("frm_Test");
    forms::Image& first = form->AddImage("img_Test(0)", 435, 3465, 1830, 2520);
    images = std::make_unique<forms::ImageArray>(first);
  }
  void TearDown() override {
    images.reset();
    delete form;
    PlannerTest::TearDown();
  }
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = QDir(folder.path()).filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }
  QStringList Files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }

  forms::Form* form = nullptr;
  std::unique_ptr<forms::ImageArray> images;
};

TEST_F(GifFrames, OneFrameGoesIntoElementZero) {
  GifLastFrame = 5;
  const QString path = Write("one.gif", Gif({{Square(qRgb(255, 0, 0)), QPoint(3, 3), 10}}));
  ASSERT_TRUE(LoadGifFrames(path, *images));
  EXPECT_EQ(images->Count(), 1);
  EXPECT_EQ(GifLastFrame, 0);
  EXPECT_EQ((*images)[0].Tag(), "100");
  EXPECT_EQ((*images)[0].Left(), 435);  // element 0 keeps its place
  EXPECT_FALSE((*images)[0].Picture().isNull());
  EXPECT_EQ(Files(), QStringList({"one.gif"}));  // nothing written beside it
}

TEST_F(GifFrames, FramesGetDelaysAndOffsets) {
  const QString path = Write("three.gif", Gif({{Square(qRgb(255, 0, 0)), QPoint(1, 1), 0},
                                               {Square(qRgb(0, 255, 0)), QPoint(2, 3), 10},
                                               {Square(qRgb(0, 0, 255)), QPoint(40000, 4), 65535}}));
  ASSERT_TRUE(LoadGifFrames(path, *images));
  ASSERT_EQ(images->Count(), 3);
  EXPECT_EQ(GifLastFrame, 2);
  EXPECT_EQ((*images)[0].Tag(), "0");
  EXPECT_EQ((*images)[1].Tag(), "100");
  EXPECT_EQ((*images)[2].Tag(), "655350");
  EXPECT_EQ((*images)[0].Left(), 435);
  EXPECT_EQ((*images)[1].Left(), 435 + 2 * 15);
  EXPECT_EQ((*images)[1].Top(), 3465 + 3 * 15);
  EXPECT_EQ((*images)[2].Left(), 435 + 40000 * 15);  // unsigned, as stored
  EXPECT_TRUE((*images)[0].Visible());
  EXPECT_FALSE((*images)[1].Visible());
  EXPECT_FALSE((*images)[2].Visible());
  EXPECT_FALSE((*images)[1].Picture().isNull());
  EXPECT_EQ((*images)[1].Picture().toImage().pixel(2, 3), qRgb(0, 255, 0));  // decoded from header + piece
  EXPECT_EQ(desktop.doEvents, 3);  // one pass of the event loop per marker searched
}

TEST_F(GifFrames, SecondCallReplacesTheFrames) {
  const QString three = Write("three.gif", Gif({{Square(qRgb(255, 0, 0)), QPoint(), 1},
                                                {Square(qRgb(0, 255, 0)), QPoint(), 2},
                                                {Square(qRgb(0, 0, 255)), QPoint(), 3}}));
  const QString two =
      Write("two.gif", Gif({{Square(qRgb(255, 0, 0)), QPoint(), 4}, {Square(qRgb(0, 255, 0)), QPoint(), 5}}));
  ASSERT_TRUE(LoadGifFrames(three, *images));
  ASSERT_TRUE(LoadGifFrames(two, *images));
  EXPECT_EQ(images->Count(), 2);
  EXPECT_EQ(GifLastFrame, 1);
  EXPECT_EQ((*images)[1].Tag(), "50");
  EXPECT_EQ(form->Controls().size(), 2U);
}

TEST_F(GifFrames, MissingFilesFailSilently) {
  GifLastFrame = 4;
  EXPECT_FALSE(LoadGifFrames(QString(), *images));
  EXPECT_FALSE(LoadGifFrames(QDir(folder.path()).filePath("none.gif"), *images));
  EXPECT_FALSE(LoadGifFrames(folder.path(), *images));  // a folder is no file
  EXPECT_TRUE(desktop.boxes.empty());
  EXPECT_EQ(GifLastFrame, 4);
}

TEST_F(GifFrames, FilesThatAreNotGifsAreReported) {
  const QByteArray good =
      Gif({{Square(qRgb(255, 0, 0)), QPoint(), 1}, {Square(qRgb(0, 255, 0)), QPoint(), 2}});
  ASSERT_TRUE(LoadGifFrames(Write("good.gif", good), *images));
  QByteArray noMarker = good;
  noMarker.replace(QByteArray("\x00\x21\xF9", 3), QByteArray("\x00\x21\xFE", 3));
  QByteArray wrongSignature = good;
  wrongSignature[0] = 'J';
  for (const QByteArray& bytes : {noMarker, wrongSignature, QByteArray(), QByteArray("G")}) {
    desktop.boxes.clear();
    GifLastFrame = 9;
    EXPECT_FALSE(LoadGifFrames(Write("bad.gif", bytes), *images));
    ASSERT_EQ(desktop.boxes.size(), 1U);
    EXPECT_EQ(desktop.boxes[0].prompt, "This file is not a *.gif file");
    EXPECT_EQ(desktop.boxes[0].title, "Korvinth");
    EXPECT_EQ(GifLastFrame, 9);
    EXPECT_EQ(images->Count(), 1);  // the earlier frames are gone
  }
}

TEST_F(GifFrames, TruncatedFilesNeverReadPastTheirEnd) {
  const QByteArray good = Gif({{Square(qRgb(255, 0, 0)), QPoint(5, 6), 7},
                               {Square(qRgb(0, 255, 0)), QPoint(1, 2), 8},
                               {Square(qRgb(0, 0, 255)), QPoint(3, 4), 9}});
  for (qsizetype cut = 1; cut < good.size(); cut += 7) {
    const korvinth::GifSplit split = korvinth::SplitGif(good.left(cut));
    for (const auto& piece : split.pieces) {
      EXPECT_LE(piece.bytes.size(), cut);
      if (piece.bytes.size() < 5) {
        EXPECT_FALSE(piece.delayMs.has_value());
      }
      if (piece.bytes.size() < 12) {
        EXPECT_FALSE(piece.top.has_value());
      }
    }
    LoadGifFrames(Write("cut.gif", good.left(cut)), *images);
  }
  EXPECT_EQ(Files(), QStringList({"cut.gif"}));
}

TEST_F(GifFrames, PiecesEndAtTheNextMarkerOrTwoBytesEarly) {
  const QByteArray bytes =
      Gif({{Square(qRgb(255, 0, 0)), QPoint(), 1}, {Square(qRgb(0, 255, 0)), QPoint(), 2}});
  const korvinth::GifSplit split = korvinth::SplitGif(bytes);
  ASSERT_TRUE(split.isGif);
  ASSERT_EQ(split.pieces.size(), 2U);
  EXPECT_TRUE(split.header.endsWith(QByteArray("\x00\x21", 2)));
  EXPECT_TRUE(split.pieces[0].bytes.startsWith('\xF9'));
  EXPECT_TRUE(split.pieces[0].bytes.endsWith(QByteArray("\x00\x21", 2)));
  EXPECT_TRUE(bytes.endsWith(split.pieces[1].bytes + QByteArray("\x00\x3B", 2)));
}

}  // namespace
