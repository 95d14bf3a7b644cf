// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the real window: time from process start to its first painted
// frame, CPU time while it sits idle, and peak memory. Also takes the
// screenshots in docs/. Run under a real X server (Xvfb) for honest figures.
//
//   quivalo-bench-window                       first frame, then quit
//   quivalo-bench-window idle [SECONDS]        CPU use while idle (default 60 s)
//   quivalo-bench-window screenshot start FILE the window as it opens
//   quivalo-bench-window screenshot game FILE  the window in the middle of a game
//   quivalo-bench-window screenshot keys FILE  the game with the keyboard's frame on a house slot
//   quivalo-bench-window screenshot verlauf FILE
//                                              Blau's move and the computers' rolls after it, with
//                                              the Verlauf beside the game
//   quivalo-bench-window screenshot movable FILE
//                                              the same, then Blau's roll, its movable pieces
//                                              marked
//   quivalo-bench-window screenshot lastmoves FILE
//                                              the same, each colour's last move marked
//   quivalo-bench-window screenshot info FILE  the about box
//   quivalo-bench-window screenshot help FILE [TOPIC]
//                                              the help window, on "Für Neugierige" or TOPIC
#include <sys/resource.h>
#include <time.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <string>

#include "support/position.h"
#include "ui/help/help_window.h"
#include "ui/info_box.h"
#include "ui/main_window.h"
#include "ui/translation.h"

using quivalo::ui::TInfo;
using quivalo::ui::TMain;

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds since the kernel started this process (10 ms resolution),
// read from /proc so that loading the program and its libraries counts too.
double msSinceProcessStart() {
  QFile stat(QStringLiteral("/proc/self/stat"));
  if (!stat.open(QIODevice::ReadOnly)) {
    return -1;
  }
  const QByteArray line = stat.readAll();
  // Fields after the command name, which is in parentheses and may hold blanks.
  const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
  // starttime is field 22 of the line, the 20th after the command name.
  const double startTicks = fields.value(19).toDouble();
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double nowMs =
      static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
  return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double cpuMs() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  auto ms = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
  };
  return ms(u.ru_utime) + ms(u.ru_stime);
}

long peakRssKb() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

// Calls `then` once the main window has painted its first frame.
class FirstFrameWatcher final : public QObject {
 public:
  FirstFrameWatcher(QWidget* window, std::function<void()> then)
      : window_(window), then_(std::move(then)) {
    window_->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // The frame is complete once the paint and its flush have returned.
      QTimer::singleShot(0, this, [this] { then_(); });
    }
    return false;
  }

 private:
  QWidget* window_;
  std::function<void()> then_;
  bool seen_ = false;
};

// A position in the middle of a game: pieces of every colour on the track,
// some in goal lanes, Blau to move with `pips` rolled, and a remark showing.
void setUpMiddleGame(TMain& window, int pips) {
  window.forward([pips](quivalo::Game& game) {
    game.setUp([pips](quivalo::State& s) {
      quivalo::testing::setUp(s, "B3 B17 R14 R27 Rz4 G25 N36 Nz3");
      quivalo::testing::turn(s, quivalo::Colour::Blau, pips, 0);
      s.Bemerkung = "Tschüüüüüüs.";
    });
  });
}

// The time of day for the screenshots of play: a second later at every
// roll, so that they come out the same at every run.
class SteppingClock final : public quivalo::Clock {
 public:
  std::uint32_t msSinceMidnightUtc() override { return now_ += 1000; }

 private:
  std::uint32_t now_ = 43'201'000;
};

// Two windows side by side, as they stand on the screen.
QImage sideBySide(QWidget& left, QWidget& right) {
  const QImage a = left.grab().toImage();
  const QImage b = right.grab().toImage();
  QImage both(a.width() + 8 + b.width(), std::max(a.height(), b.height()), QImage::Format_RGB32);
  both.fill(Qt::white);
  QPainter p(&both);
  p.drawImage(0, 0, a);
  p.drawImage(a.width() + 8, 0, b);
  return both;
}

}  // namespace

int main(int argc, char* argv[]) {
  const Clock::time_point mainStart = Clock::now();
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments().mid(1);
  const QString mode = args.value(0, QStringLiteral("first-frame"));

  quivalo::ui::installGermanTranslation(app);
  SteppingClock steppingClock;
  TMain window(nullptr, nullptr, mode == QStringLiteral("screenshot") ? &steppingClock : nullptr);
  TInfo info(&window);
  window.setInfoBox(&info);

  int status = 0;
  FirstFrameWatcher watcher(&window, [&] {
    const double sinceMain =
        std::chrono::duration<double, std::milli>(Clock::now() - mainStart).count();
    if (mode == QStringLiteral("first-frame")) {
      std::printf(
          "first frame: %.0f ms after process start (10 ms resolution), %.1f ms after main()\n",
          msSinceProcessStart(), sinceMain);
      std::printf("peak RSS: %.1f MB\n", static_cast<double>(peakRssKb()) / 1024.0);
      QCoreApplication::quit();
    } else if (mode == QStringLiteral("idle")) {
      const int seconds = args.value(1, QStringLiteral("60")).toInt();
      const double cpuStart = cpuMs();
      QElapsedTimer wall;
      wall.start();
      QTimer::singleShot(seconds * 1000, &app, [&app, cpuStart, wall, seconds] {
        const double cpu = cpuMs() - cpuStart;
        const double elapsed = static_cast<double>(wall.elapsed());
        std::printf("idle %d s: %.1f ms CPU in %.0f ms = %.3f %% of one core\n", seconds, cpu,
                    elapsed, 100.0 * cpu / elapsed);
        std::printf("peak RSS: %.1f MB\n", static_cast<double>(peakRssKb()) / 1024.0);
        app.quit();
      });
    } else if (mode == QStringLiteral("screenshot") && (args.size() == 3 || args.size() == 4)) {
      if (args.at(1) == QStringLiteral("game")) {
        setUpMiddleGame(window, 4);
      }
      if (args.at(1) == QStringLiteral("keys")) {
        // Blau to use a six: the first arrow key frames a slot of its house.
        setUpMiddleGame(window, 6);
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QCoreApplication::sendEvent(window.findChild<QWidget*>(QStringLiteral("KannNichtBtn")),
                                    &right);
      }
      if (args.at(1) == QStringLiteral("movable")) {
        // Blau to use a six, its movable pieces marked.
        window.findChild<QAction*>(QStringLiteral("ZiehbareFiguren1"))->trigger();
        setUpMiddleGame(window, 6);
      }
      // Blau rolls a 1 and moves 17 to 18; the computers play on the game's
      // own timers: Rot 14 to 18, knocking Blau out, Gelb 25 to 27, knocking
      // Rot out, Grün in its goal lane; then Blau is to roll again.
      int wait = 50;
      if (args.at(1) == QStringLiteral("verlauf") || args.at(1) == QStringLiteral("lastmoves")) {
        if (args.at(1) == QStringLiteral("lastmoves")) {
          window.findChild<QAction*>(QStringLiteral("LetzteZuege1"))->trigger();
        }
        setUpMiddleGame(window, 0);
        window.forward([](quivalo::Game& game) {
          game.WuerfelClick();
          game.click(quivalo::Stein(quivalo::Colour::Blau, 17));
          game.Timer1Timer();
        });
        wait = 1200;
        if (args.at(1) == QStringLiteral("verlauf")) {
          window.findChild<QAction*>(QStringLiteral("Verlauf1"))->trigger();
        }
      }
      QWidget* shot = &window;
      if (args.at(1) == QStringLiteral("info")) {
        info.show();
        shot = &info;
      }
      if (args.at(1) == QStringLiteral("help")) {
        // The help file of this build, on the topic with the die's figures.
        auto* help = new quivalo::HelpWindow({QStringLiteral(QUIVALO_BUILD_HELP_FOLDER)}, &window);
        help->showContents();
        auto* contents = help->findChild<QListWidget*>(QStringLiteral("contentsList"));
        const auto topic =
            contents->findItems(args.value(3, QStringLiteral("Für Neugierige")), Qt::MatchExactly);
        if (!topic.isEmpty()) contents->setCurrentItem(topic.front());
        help->show();
        shot = help;
      }
      // Give the changed widgets one pass of the event loop to repaint.
      QTimer::singleShot(wait, &app, [shot, &window, &args, &status] {
        auto* verlauf = window.findChild<QWidget*>(QStringLiteral("VerlaufWindow"));
        const QImage picture =
            verlauf != nullptr ? sideBySide(window, *verlauf) : shot->grab().toImage();
        if (!picture.save(args.at(2))) {
          std::fprintf(stderr, "could not write %s\n", qPrintable(args.at(2)));
          status = 1;
        }
        QCoreApplication::quit();
      });
    } else {
      std::fprintf(stderr,
                   "usage: quivalo-bench-window [first-frame | idle [SECONDS] | screenshot "
                   "start|game|keys|verlauf|movable|lastmoves|info|help FILE [TOPIC]]\n");
      status = 2;
      QCoreApplication::quit();
    }
  });

  window.show();
  const int rc = QApplication::exec();
  return status != 0 ? status : rc;
}
