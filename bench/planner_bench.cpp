// How long the planner's user actions take: points, undo, the random fill,
// the statistics window and the start window's portrait load.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>

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
  QString AppPath() const override { return QCoreApplication::applicationDirPath(); }
  void OpenLink(const QString&) override {}
};

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
    mod_Misc.RandomClassRoll = 1000;
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

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  BenchServices services;
  forms::SetServices(&services);
  korvinth::RegisterWindows();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  forms::UnloadAllForms();
  return 0;
}
