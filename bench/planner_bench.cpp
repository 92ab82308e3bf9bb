// How long the planner's user actions take: points, undo, the random fill,
// the statistics window and the start window's portrait load.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>

#include "app/GifFrames.h"
#include "app/StartWindow.h"
#include "app/Windows.h"
#include "core/MenuWindow.h"
#include "core/Misc.h"
#include "core/Random.h"
#include "forms/Form.h"
#include "forms/Menu.h"
#include "forms/Services.h"
#include "skillstats/StatsWindow.h"
#include "skilltrees/ClassWindow.h"
#include "tools/forge/GifCases.h"

namespace {

using korvinth::mod_Misc;

// Answers every box at once; the event loop runs as in the program.
class BenchServices : public forms::Services {
 public:
  int MsgBox(const QString&, int style, const QString&) override {
    return style & forms::kYesNo ? forms::kYes : forms::kOk;
  }
  std::optional<QString> InputBox(const QString&, const QString&, const QString& text) override {
    return text;
  }
  void PopupMenu(forms::Form&, forms::MenuItem&) override {}
  void DoEvents() override { QCoreApplication::processEvents(); }
  void EndProgram() override {}
  bool Ending() const override { return false; }
  QString AppPath() const override {
    return appPath.isEmpty() ? QCoreApplication::applicationDirPath() : appPath;
  }
  QString appPath;  // the folder of the portraits, when not the program's
  void OpenLink(const QString&) override {}
};

BenchServices* g_services = nullptr;

// The Necromancer's five skills that take points from level 1 (tree, index).
constexpr std::pair<int, std::int16_t> kFirstRow[] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}};

void Reset() {
  forms::UnloadAllForms();
  mod_Misc = korvinth::CharacterState{};
  korvinth::SeedRandom(7);
}

void AcceptedPoint(benchmark::State& state) {
  Reset();
  korvinth::ClassWindow& w = *korvinth::frm_NecroSkill;
  int next = 0;
  for (auto _ : state) {
    if (mod_Misc.LevelUps >= 90) {
      state.PauseTiming();
      w.lbl_Reset_Click();
      state.ResumeTiming();
    }
    const auto [tree, index] = kFirstRow[next];
    w.img_Tree_Click(tree, index);
    next = (next + 1) % 5;
  }
}
BENCHMARK(AcceptedPoint);

void RefusedPoint(benchmark::State& state) {
  Reset();
  korvinth::ClassWindow& w = *korvinth::frm_NecroSkill;
  for (auto _ : state) w.img_Tree_Click(1, 5);  // Poison Explosion at level 1
}
BENCHMARK(RefusedPoint);

void UndoOfA98PointPlan(benchmark::State& state) {
  Reset();
  korvinth::ClassWindow& w = *korvinth::frm_NecroSkill;
  for (auto _ : state) {
    state.PauseTiming();
    w.lbl_Reset_Click();
    for (int i = 0; i < 98; ++i) w.img_Tree_Click(kFirstRow[i % 5].first, kFirstRow[i % 5].second);
    state.ResumeTiming();
    while (w.lb_SkillsPerLevel->ListCount() > 0) w.lbl_UndoLast_Click();
  }
}
BENCHMARK(UndoOfA98PointPlan)->Unit(benchmark::kMicrosecond);

void RandomFillToLevel75(benchmark::State& state, forms::FormRef<korvinth::ClassWindow>* window) {
  Reset();
  for (auto _ : state) {
    state.PauseTiming();
    window->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    mod_Misc.RandomClassRoll = korvinth::kChosenClassRoll;
    mod_Misc.RandomPointsLeft = 75;
    mod_Misc.RandomRunning = korvinth::kTrue;
    state.ResumeTiming();
    benchmark::DoNotOptimize(&window->Get());  // the load runs the fill
  }
}
BENCHMARK_CAPTURE(RandomFillToLevel75, Necromancer, &korvinth::frm_NecroSkill)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RandomFillToLevel75, Amazon, &korvinth::frm_AmazonSkill)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RandomFillToLevel75, Barbarian, &korvinth::frm_BarbarianSkill)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RandomFillToLevel75, Paladin, &korvinth::frm_Paladin)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RandomFillToLevel75, Sorceress, &korvinth::frm_Sorceress)->Unit(benchmark::kMillisecond);

void OpenStatisticsWindow(benchmark::State& state) {
  Reset();
  mod_Misc.CurrentTree = QStringLiteral("NecroCurse");
  mod_Misc.CurrentSkillIndex = 9;
  for (auto _ : state) {
    mod_Misc.CurrentSkillLevel = 7;
    korvinth::frm_Menu->mnu_SkillInfo_Click();
    state.PauseTiming();
    if (!korvinth::frm_SkillStats.Loaded()) state.SkipWithError("the statistics window did not open");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(OpenStatisticsWindow)->Unit(benchmark::kMicrosecond);

void StartWindowLoad(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Reset();
    state.ResumeTiming();
    benchmark::DoNotOptimize(&korvinth::frm_MainSelect.Get());  // five 8-frame portraits
  }
}
BENCHMARK(StartWindowLoad)->Unit(benchmark::kMillisecond);

// Portrait files that cost far more than they look, written once.
QString CostlyFile(const std::string& kind) {
  static QTemporaryDir folder;
  static const std::map<std::string, QByteArray (*)()> makers = {
      {"screen2000", [] { return forge::TinyFrames(QSize(2000, 2000), 200); }},
      {"frames50000", [] { return forge::TinyFrames(QSize(122, 168), 50000); }},
      {"frames5000", [] { return forge::TinyFrames(QSize(122, 168), 5000); }},
      {"markers900k", [] { return forge::MarkerFlood(900 * 1024); }},
      {"markers200m", [] { return forge::MarkerFlood(200LL * 1024 * 1024); }},
  };
  const QString path = QDir(folder.path()).filePath(QString::fromStdString(kind) + ".gif");
  if (!QFile::exists(path)) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(makers.at(kind)());
  }
  return path;
}

// One portrait file into a portrait's frames, as the start window loads it.
void PortraitFile(benchmark::State& state, const std::string& kind) {
  const QString path = kind == "own" ? QDir(QCoreApplication::applicationDirPath()).filePath("amazonmove.gif")
                                     : CostlyFile(kind);
  forms::Form form("frm_Bench");
  forms::ImageArray frames(form.AddImage("img_Bench(0)", 435, 3465, 1830, 2520));
  for (auto _ : state) benchmark::DoNotOptimize(korvinth::LoadGifFrames(path, frames));
  state.counters["frames"] = frames.Count();
}
BENCHMARK_CAPTURE(PortraitFile, own, std::string("own"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PortraitFile, screen2000, std::string("screen2000"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PortraitFile, frames50000, std::string("frames50000"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PortraitFile, frames5000, std::string("frames5000"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PortraitFile, markers900k, std::string("markers900k"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PortraitFile, markers200m, std::string("markers200m"))->Unit(benchmark::kMillisecond);

// The whole start window with 5,000 frames in each of the five portraits.
void StartWindowLoadOf5000FramePortraits(benchmark::State& state) {
  QTemporaryDir folder;
  for (const char* name : {"amazonmove.gif", "barbarianmove.gif", "necromancermove.gif", "paladinmove.gif",
                           "sorceressmove.gif"}) {
    QFile::copy(CostlyFile("frames5000"), QDir(folder.path()).filePath(name));
  }
  g_services->appPath = folder.path();
  for (auto _ : state) {
    state.PauseTiming();
    Reset();
    state.ResumeTiming();
    benchmark::DoNotOptimize(&korvinth::frm_MainSelect.Get());
  }
  g_services->appPath.clear();
}
BENCHMARK(StartWindowLoadOf5000FramePortraits)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  BenchServices services;
  g_services = &services;
  forms::SetServices(&services);
  korvinth::RegisterWindows();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  forms::UnloadAllForms();
  return 0;
}
