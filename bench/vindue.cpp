// The window offscreen: start to the first painted window, leaving a field,
// a repaint of each drawing at 1200 x 800, and showing the result page after
// a change, and a leave to the repainted live-verdict strip. Aims: start
// <= 0,5 s, a leave (strip included) <= 5 ms, a repaint <= 10 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>

#include "app/domstrimmel_widget.h"
#include "app/hovedvindue.h"
#include "app/tegneflade.h"
#include "design/domstrimmel.h"
#include "graphics/kontroltegning.h"
#include "common/optagende_dialog.h"

namespace kvistor {
namespace {

const std::string Mappe = std::string(KVISTOR_KILDEMAPPE) + "/";

void Start(benchmark::State& s) {
  TSkriptetDialog dlg;
  TSystemUr ur;
  for (auto _ : s) {
    THovedvindue w(dlg, ur, Mappe);
    w.show();
    QImage billede(w.size(), QImage::Format_ARGB32_Premultiplied);
    w.render(&billede);  // the first complete paint of the window
    benchmark::DoNotOptimize(billede.bits());
  }
}
BENCHMARK(Start)->Unit(benchmark::kMillisecond);

void ForladFelt(benchmark::State& s) {
  TSkriptetDialog dlg;
  TSystemUr ur;
  THovedvindue w(dlg, ur, Mappe);
  w.show();
  QApplication::setActiveWindow(&w);
  auto* e = static_cast<QLineEdit*>(w.Kontrol(TKontrol::EditHusBr));
  auto* naeste = static_cast<QLineEdit*>(w.Kontrol(TKontrol::EditFacHjd));
  int i = 0;
  for (auto _ : s) {
    e->setFocus(Qt::MouseFocusReason);
    e->setText(QString::number(10 + (i++ % 7)));
    naeste->setFocus(Qt::TabFocusReason);  // the leave
  }
  if (w.Side().InddataAendret != 1) s.SkipWithError("the field was never left");
}
BENCHMARK(ForladFelt)->Unit(benchmark::kMillisecond);

void Tegning(benchmark::State& s, TFane fane) {
  TSkriptetDialog dlg;
  TSystemUr ur;
  THovedvindue w(dlg, ur, Mappe);
  QImage billede(1200, 800, QImage::Format_ARGB32_Premultiplied);
  const TKontroltegning k = fane == TFane::KontrolTvaer ? TKontroltegning::Tvaer : TKontroltegning::Laengde;
  for (auto _ : s) {
    QPainter p(&billede);
    TegnMed(p, [&](TLaerred& l, int b, int h) { TegnKontroltegning(k, w.Side().Inddata, l, b, h); }, 1200, 800);
  }
}
BENCHMARK_CAPTURE(Tegning, tvaer, TFane::KontrolTvaer)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tegning, laengde, TFane::KontrolLaengde)->Unit(benchmark::kMillisecond);

void ResultatEfterAendring(benchmark::State& s) {
  TSkriptetDialog dlg;
  TSystemUr ur;
  THovedvindue w(dlg, ur, Mappe);
  w.show();
  QApplication::setActiveWindow(&w);
  auto* e = static_cast<QLineEdit*>(w.Kontrol(TKontrol::EditHusBr));
  int i = 0;
  for (auto _ : s) {
    w.VisFane(TFane::Inddata1);
    e->setFocus(Qt::MouseFocusReason);
    e->setText(QString::number(10 + (i++ % 7)));
    w.VisFane(TFane::Resultat);  // commits the field, computes and shows
  }
  if (!w.Side().Rapport) s.SkipWithError("no report was built");
}
BENCHMARK(ResultatEfterAendring)->Unit(benchmark::kMillisecond);

void ForladFeltMedStrimmel(benchmark::State& s) {
  TSkriptetDialog dlg;
  TSystemUr ur;
  THovedvindue w(dlg, ur, Mappe);
  w.show();
  QApplication::setActiveWindow(&w);
  auto* e = static_cast<QLineEdit*>(w.Kontrol(TKontrol::EditHusBr));
  auto* naeste = static_cast<QLineEdit*>(w.Kontrol(TKontrol::EditFacHjd));
  TDomStrimmelVisning* strimmel = w.Strimmel();
  QImage billede(strimmel->size(), QImage::Format_ARGB32_Premultiplied);
  int i = 0;
  for (auto _ : s) {
    e->setFocus(Qt::MouseFocusReason);
    e->setText(QString::number(10 + (i++ % 7) * 3));  // passing and failing widths
    naeste->setFocus(Qt::TabFocusReason);             // the leave
    strimmel->render(&billede);                       // what the user sees
  }
  if (!strimmel->Strimmel().Beregnet) s.SkipWithError("the strip shows no figures");
}
BENCHMARK(ForladFeltMedStrimmel)->Unit(benchmark::kMillisecond);

void StrimmelAlene(benchmark::State& s) {
  TSkriptetDialog dlg;
  TSystemUr ur;
  THovedvindue w(dlg, ur, Mappe);
  for (auto _ : s) benchmark::DoNotOptimize(OpdaterDomStrimmel(w.Side()));
}
BENCHMARK(StrimmelAlene)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kvistor

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
