// Splitting portrait GIFs into frames, on files the tests write themselves.
#include "app/GifFrames.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <chrono>
#include <future>

#include "forms/Form.h"
#include "forms/ImageArray.h"
#include "tests/support/Planner.h"
#include "tools/forge/GifCases.h"
#include "tools/forge/GifWriter.h"

namespace {

using korvinth::GifLastFrame;
using korvinth::LoadGifFrames;
using Found = korvinth::PortraitFile::Found;

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
  forms::Label& above = form->AddLabel("lbl_Above", 0, 0, 100, 100);
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
  // Each new element lies just above the one before, under what was above element 0.
  ASSERT_EQ(form->Controls().size(), 4U);
  EXPECT_EQ(form->Controls()[1].get(), &(*images)[1]);
  EXPECT_EQ(form->Controls()[2].get(), &(*images)[2]);
  EXPECT_EQ(form->Controls()[3].get(), &above);
}

// The element is moved by its frame's offset, so its picture is the frame's
// own rectangle, not the whole screen with the frame drawn inside again.
TEST_F(GifFrames, ASmallFrameIsDrawnAtItsOffset) {
  QImage whole(122, 168, QImage::Format_ARGB32);
  whole.fill(qRgb(255, 0, 0));
  QImage small(40, 30, QImage::Format_ARGB32);
  small.fill(qRgb(0, 255, 0));
  small.setPixel(0, 0, qRgba(0, 0, 0, 0));
  small.setPixel(39, 29, qRgb(0, 0, 255));
  const std::vector<QRgb> palette = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
  const QString path =
      Write("offset.gif",
            forge::EncodeGif(122, 168, palette, {{whole, QPoint(0, 0), 5}, {small, QPoint(10, 20), 5}}));
  ASSERT_TRUE(LoadGifFrames(path, *images));
  forms::Image& still = (*images)[0];
  forms::Image& frame = (*images)[1];
  EXPECT_EQ(still.Picture().size(), QSize(122, 168));  // element 0 stays put: the whole screen
  EXPECT_EQ(frame.Picture().size(), QSize(40, 30));
  EXPECT_EQ(frame.Left(), 435 + 10 * 15);
  EXPECT_EQ(frame.Width(), 40 * 15);
  EXPECT_EQ(qAlpha(frame.Picture().toImage().pixel(0, 0)), 0);  // the clear pixel stays clear

  form->SetClientSize(12000, 9000);
  form->SetBackColor(Qt::white);
  still.SetVisible(false);
  frame.SetVisible(true);
  const QImage shot = form->grab().toImage();
  const QPoint origin(435 / 15, 3465 / 15);
  EXPECT_EQ(shot.pixel(origin + QPoint(10, 20)), qRgb(255, 255, 255));  // through the clear pixel
  EXPECT_EQ(shot.pixel(origin + QPoint(11, 20)), qRgb(0, 255, 0));
  EXPECT_EQ(shot.pixel(origin + QPoint(49, 49)), qRgb(0, 0, 255));
  EXPECT_EQ(shot.pixel(origin + QPoint(50, 50)), qRgb(255, 255, 255));
}

// Other tools put extensions of their own between a frame's control block
// and its image: each frame must still land at its own offset, with its own
// rectangle as its picture.
TEST_F(GifFrames, FramesLandAtTheirOwnOffsetsWhateverToolWroteThem) {
  const QRgb yellow = qRgb(255, 255, 0);
  const QRgb green = qRgb(0, 255, 0);
  const QRgb blue = qRgb(0, 0, 255);
  QImage small(4, 3, QImage::Format_ARGB32);
  small.fill(blue);
  const QByteArray ours = Gif({{Square(qRgb(255, 0, 0), 8), QPoint(0, 0), 12},
                               {Square(green, 2), QPoint(3, 2), 12},
                               {small, QPoint(4, 5), 12}});
  // A comment between the second frame's control block and its image, its
  // sub-blocks holding an Image Separator (",") and an Extension Introducer
  // ("!") of their own.
  QByteArray commented = ours;
  const qsizetype second = commented.indexOf("\x21\xF9\x04", commented.indexOf("\x21\xF9\x04") + 1);
  commented.insert(second + 8, QByteArray("\x21\xFE\x03,,,\x02!,\x00", 10));

  QFile convert(QStringLiteral(KORVINTH_TEST_FIXTURES "/convert_three_frames.gif"));
  ASSERT_TRUE(convert.open(QIODevice::ReadOnly));
  struct Frame {
    QPoint offset;
    QSize size;
    QRgb colour;
  };
  struct Case {
    const char* what;
    QByteArray bytes;
    std::vector<Frame> frames;  // the second and later
  };
  const Case cases[] = {
      // convert -delay 12 -dispose none -page 12x10+0+0 f1.png -page 12x10+3+2 f2.png
      //         -page 12x10+6+4 f3.png: an "ImageMagick" application extension
      // after every control block.
      {"as ImageMagick writes it",
       convert.readAll(),
       {{QPoint(3, 2), QSize(4, 3), yellow}, {QPoint(6, 4), QSize(5, 6), green}}},
      {"with a comment before an image",
       commented,
       {{QPoint(3, 2), QSize(2, 2), green}, {QPoint(4, 5), QSize(4, 3), blue}}},
      {"as we write it", ours, {{QPoint(3, 2), QSize(2, 2), green}, {QPoint(4, 5), QSize(4, 3), blue}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(LoadGifFrames(Write("portrait.gif", c.bytes), *images));
    ASSERT_EQ(images->Count(), 1 + static_cast<int>(c.frames.size()));
    EXPECT_EQ((*images)[0].Left(), 435);
    EXPECT_EQ((*images)[0].Top(), 3465);
    for (int k = 1; k < images->Count(); ++k) {
      const Frame& frame = c.frames[static_cast<std::size_t>(k - 1)];
      const forms::Image& element = (*images)[k];
      EXPECT_EQ(element.Tag(), "120");
      EXPECT_EQ(element.Left(), 435 + frame.offset.x() * 15) << k;
      EXPECT_EQ(element.Top(), 3465 + frame.offset.y() * 15) << k;
      ASSERT_EQ(element.Picture().size(), frame.size) << k;
      EXPECT_EQ(element.Picture().toImage().pixel(0, 0), frame.colour) << k;
    }
  }
}

// When the Global Color Table's last byte is not 0, no 00 stands before the
// first control block: ImageMagick writes such files whenever the frames use
// a small palette fully (here two entries, red and white). The header must
// still end at that first control block, so that every frame is its own.
TEST_F(GifFrames, TheFirstFrameIsFoundRightAfterAFullColourTable) {
  const QRgb red = qRgb(255, 0, 0);
  const QRgb blue = qRgb(0, 0, 255);
  struct Frame {
    QPoint offset;
    QSize size;
    QRgb colour;
  };
  struct Case {
    const char* file;
    const char* tag;
    std::vector<Frame> frames;
  };
  const QSize portrait(122, 168);
  const Case cases[] = {
      // convert -delay 15 f0.png ... f6.png, solid red and blue 122 x 168 frames in turn.
      {"convert_two_colours.gif",
       "150",
       {{{}, portrait, red},
        {{}, portrait, blue},
        {{}, portrait, red},
        {{}, portrait, blue},
        {{}, portrait, red},
        {{}, portrait, blue},
        {{}, portrait, red}}},
      // convert -delay 20 -comment Korvinth -dispose none -page 12x10+0+0 f1.png
      //         -page 12x10+3+2 f2.png -page 12x10+6+4 f3.png: a comment after every
      // control block, the first frame half red, half white.
      {"convert_comment_offsets.gif",
       "200",
       {{{}, QSize(12, 10), red}, {{3, 2}, QSize(5, 6), blue}, {{6, 4}, QSize(4, 3), red}}},
      // convert -delay 20 f1.png: one frame, and so no marker at all.
      {"convert_one_frame.gif", "200", {{{}, QSize(12, 10), red}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    QFile fixture(QStringLiteral(KORVINTH_TEST_FIXTURES "/") + QLatin1String(c.file));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    const QByteArray bytes = fixture.readAll();
    ASSERT_EQ(bytes.mid(13 + 6, 2), QByteArray("\x21\xF9"));  // right behind the two-colour table
    ASSERT_NE(bytes[13 + 5], '\0');                           // whose last byte is not 0

    desktop.boxes.clear();
    ASSERT_TRUE(LoadGifFrames(Write("portrait.gif", bytes), *images));
    EXPECT_TRUE(desktop.boxes.empty());
    EXPECT_EQ(GifLastFrame, images->Count() - 1);
    if (images->Count() != static_cast<int>(c.frames.size())) {
      ADD_FAILURE() << images->Count() << " frames, not " << c.frames.size();
      continue;
    }
    for (int k = 0; k < images->Count(); ++k) {
      const Frame& frame = c.frames[static_cast<std::size_t>(k)];
      const forms::Image& element = (*images)[k];
      EXPECT_EQ(element.Tag(), c.tag) << k;
      EXPECT_EQ(element.Left(), 435 + frame.offset.x() * 15) << k;
      EXPECT_EQ(element.Top(), 3465 + frame.offset.y() * 15) << k;
      ASSERT_EQ(element.Picture().size(), frame.size) << k;
      EXPECT_EQ(element.Picture().toImage().pixel(0, 0), frame.colour) << k;
    }
  }
}

// A file whose first control block has its 00 before it is cut exactly as
// before: the header ends at the first marker.
TEST_F(GifFrames, AHeaderEndingAtTheFirstMarkerStaysAsItWas) {
  QFile convert(QStringLiteral(KORVINTH_TEST_FIXTURES "/convert_three_frames.gif"));
  ASSERT_TRUE(convert.open(QIODevice::ReadOnly));
  // Ours with an application extension (a loop count) before the first frame.
  QByteArray looping = Gif({{Square(qRgb(255, 0, 0)), QPoint(), 1}, {Square(qRgb(0, 255, 0)), QPoint(), 2}});
  looping.insert(looping.indexOf(QByteArray("\x00\x21\xF9", 3)) + 1,
                 QByteArray("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19));
  for (const QByteArray& bytes : {convert.readAll(), looping}) {
    const qsizetype marker = bytes.indexOf(QByteArray("\x00\x21\xF9", 3));
    EXPECT_EQ(korvinth::SplitGif(bytes).header, bytes.left(marker + 2));
  }
}

// Files that declare far more than a portrait needs cost no more than the
// bounds allow: they are passed over, or load the frames that fit.
TEST_F(GifFrames, CostlyFilesStayWithinTheBounds) {
  using namespace korvinth::gif_bounds;
  const QSize portrait(122, 168);
  QByteArray padded = forge::TinyFrames(portrait, 3);
  padded.append(QByteArray(kFileBytes + 1 - padded.size(), 'x'));
  QImage big(600, 600, QImage::Format_ARGB32);
  big.fill(qRgb(255, 0, 0));
  QImage canvas(512, 512, QImage::Format_ARGB32);
  canvas.fill(qRgb(255, 0, 0));
  // A 3 MB comment before the first frame: every frame decodes it again.
  QByteArray comment = forge::TinyFrames(portrait, 20);
  QByteArray blocks;
  for (int i = 0; i < 3 * 4096; ++i) blocks.append('\xFF').append(QByteArray(255, 'c'));
  comment.insert(comment.indexOf("\x21\xF9"), "\x21\xFE" + blocks + '\0');

  struct Case {
    const char* what;
    QByteArray bytes;
    bool loads;
    int elements;
  };
  const Case cases[] = {
      {"a file past the size bound", padded, false, 1},
      {"a screen past the canvas bound", forge::TinyFrames(QSize(2000, 2000), 5), false, 1},
      {"a 0 x 0 screen with frames too large to draw", forge::RepeatedFrame(QSize(0, 0), big, {}, 2), true,
       2},
      {"more frames than the bound", forge::TinyFrames(portrait, kFrames + 40), true, kFrames},
      {"pictures past the bound", forge::RepeatedFrame(QSize(512, 512), canvas, {}, 20), true,
       static_cast<int>(kPicturePixels / (512 * 512))},
      {"a header decoded past the bound", comment, true, 10},
  };
  const QPixmap still = QPixmap::fromImage(Square(qRgb(9, 9, 9), 20));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    (*images)[0].SetPicture(still);
    GifLastFrame = 99;
    EXPECT_EQ(LoadGifFrames(Write("costly.gif", c.bytes), *images), c.loads);
    EXPECT_EQ(images->Count(), c.elements);
    EXPECT_EQ(GifLastFrame, c.loads ? c.elements - 1 : 99);
    EXPECT_TRUE(desktop.boxes.empty());
  }
  // The frames too large to draw leave the pictures they had.
  (*images)[0].SetPicture(still);
  ASSERT_TRUE(LoadGifFrames(Write("costly.gif", forge::RepeatedFrame(QSize(0, 0), big, {}, 2)), *images));
  EXPECT_EQ((*images)[0].Picture().cacheKey(), still.cacheKey());
}

// A file of nothing but markers is cut in one pass up to the frame bound;
// the rest is never searched.
TEST_F(GifFrames, AFileOfMarkersStopsAtTheFrameBound) {
  const QByteArray flood = forge::MarkerFlood(60000);
  const korvinth::GifSplit split = korvinth::SplitGif(flood);
  ASSERT_EQ(split.pieces.size(), static_cast<std::size_t>(korvinth::gif_bounds::kFrames));
  EXPECT_TRUE(split.pieces.back().beforeNextMarker);
  EXPECT_EQ(split.pieces.back().bytes, QByteArray("\xF9\x00\x21", 3));
  EXPECT_EQ(korvinth::SplitGif(flood, 1 << 30).pieces.size(), 19994U);  // a piece per later marker
  ASSERT_TRUE(LoadGifFrames(Write("markers.gif", flood), *images));
  EXPECT_EQ(images->Count(), korvinth::gif_bounds::kFrames);
  EXPECT_EQ(GifLastFrame, korvinth::gif_bounds::kFrames - 1);
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

// A named pipe put where a portrait file was (a rename in the program's
// folder) must not hold the start until some other program writes to it.
TEST_F(GifFrames, APipeInAPortraitsPlaceIsRefusedAtOnce) {
  const QString pipe = QDir(folder.path()).filePath("amazonmove.gif");
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  auto read = std::async(std::launch::async, [&] { return korvinth::ReadPortraitFile(pipe).found; });
  if (read.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
    // Only a hang guard: a writer lets the waiting open go, so the suite
    // reports the fault instead of hanging.
    ::close(::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK));
    read.wait();
    FAIL() << "opening the pipe waited for a writer";
  }
  EXPECT_EQ(read.get(), Found::kNoFile);

  (*images).LoadNext();
  GifLastFrame = 7;
  EXPECT_FALSE(LoadGifFrames(pipe, *images));
  EXPECT_EQ(images->Count(), 2);  // untouched, as for a missing file
  EXPECT_EQ(GifLastFrame, 7);
  EXPECT_TRUE(desktop.boxes.empty());
}

// The file is opened once and everything is asked of that descriptor, so
// nothing put in its place afterwards is ever read. (Two opens in a row with
// nothing between them come as one event; an open, a close and another open
// do not.)
TEST_F(GifFrames, APortraitFileIsOpenedOnce) {
  const QString path = Write(
      "once.gif", Gif({{Square(qRgb(255, 0, 0)), QPoint(), 1}, {Square(qRgb(0, 255, 0)), QPoint(), 2}}));
  const int watcher = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(watcher, 0);
  ASSERT_GE(::inotify_add_watch(watcher, QFile::encodeName(path).constData(), IN_OPEN | IN_CLOSE), 0);
  ASSERT_TRUE(LoadGifFrames(path, *images));
  EXPECT_EQ(images->Count(), 2);
  int opens = 0;
  inotify_event events[16];  // a watched file's events carry no name
  for (ssize_t got; (got = ::read(watcher, events, sizeof events)) > 0;) {
    for (std::size_t k = 0; k < static_cast<std::size_t>(got) / sizeof(inotify_event); ++k) {
      if (events[k].mask & IN_OPEN) ++opens;
    }
  }
  ::close(watcher);
  EXPECT_EQ(opens, 1);
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
