// SPDX-License-Identifier: GPL-3.0-or-later
#include "soak/soak_game.h"
#include "soak/window_checks.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <ostream>
#include <sstream>

#include "board/geometry.h"
#include "computer/game.h"
#include "computer/headless.h"
#include "game/virtual_host.h"

namespace quivalo::soak {

namespace {

constexpr std::uint64_t kNever = UINT64_MAX;
// With no roll for this long, nobody can go on any more: the game stands still.
constexpr std::uint64_t kStandstillMs = 10 * 60'000;
constexpr std::size_t kRecentEvents = 16;

struct Event {
  std::uint64_t t = 0;
  Action action = Action::Timer;
  int arg = 0;
};

// What the scripted person at the window waits to do.
enum class Need : std::uint8_t { None, Roll, Move };

// A follow-up that a person makes shortly after an interfering roll.
enum class FollowUp : std::uint8_t { None, Move, KannNicht };

class SoakGame final : public TimerTarget {
 public:
  SoakGame(std::uint64_t seed, std::uint64_t game, const Limits& limits, Progress& progress,
           std::ostream* trace)
      : rng_(gameSeed(seed, game)),
        host_(static_cast<std::uint32_t>(rng_.below(41)), rng_.next()),
        game_(host_.platform()),
        gameNumber_(game),
        seed_(seed),
        limits_(limits),
        progress_(progress),
        trace_(trace) {
    host_.setTarget(this);
  }

  GameReport run();
  void onTimer(TimerId timer) override;

 private:
  const State& s() const { return game_.state(); }
  // A congratulation since the game's last "Neu".
  bool won() const { return host_.dialogs().size() > dialogsAtNeu_; }
  bool computerArmed() const;
  Need need() const;

  void setUp();
  void step();
  void act(Action action, int arg);
  void afterEvent(Action action, int arg);
  void schedulePerson();
  void scheduleInterference();
  void interfere();
  void scriptedMove();
  void rememberRoll();
  void afterWin();
  void checkNewGame();
  void fail(const std::string& what, const std::vector<std::string>& details = {});
  std::string describe(const Event& e) const;

  Rng rng_;
  VirtualHost host_;
  Game game_;
  std::uint64_t gameNumber_;
  std::uint64_t seed_;
  Limits limits_;
  Progress& progress_;
  std::ostream* trace_;
  GameReport report_;

  // The game's profile, drawn once.
  std::uint64_t interferenceMeanMs_ = 0;  // 0: a quiet game without interference
  std::uint64_t personMinMs_ = 0;
  std::uint64_t personMaxMs_ = 0;
  bool neuInChain_ = false;  // the next armed computer timer brings a "Neu" within its 250 ms
  bool neuMidRoll_ = false;  // the next person's move is a "Neu" instead

  // What happens next, apart from timers.
  Need personNeed_ = Need::None;
  std::uint64_t personAt_ = kNever;
  FollowUp followUp_ = FollowUp::None;
  std::uint64_t followAt_ = kNever;
  std::uint64_t interferenceAt_ = kNever;
  std::vector<std::uint64_t> neuAt_;  // planned "Neu" moments, latest first
  std::uint64_t chainNeuAt_ = kNever;

  std::uint64_t lastRolls_ = 0;
  std::uint64_t lastRollAt_ = 0;
  std::uint64_t rollsAtStart_ = 0;  // rolls at the last "Neu"
  std::size_t dialogsAtNeu_ = 0;    // congratulations shown before the last "Neu"
  std::deque<Event> recent_;
  bool failed_ = false;
  bool playing_ = false;  // set up done
};

bool SoakGame::computerArmed() const {
  for (Colour c : kColours) {
    if (s().intervalOf(computerTimer(c)) != 0) {
      return true;
    }
  }
  return false;
}

// The person at the window steps in whenever no computer timer will: to move
// with a pending roll, or to roll when the game waits at the dice button.
// That also covers a colour switched to the computer while it waits, which
// nothing would arm until the next turn change.
Need SoakGame::need() const {
  if (won() || computerArmed()) {
    return Need::None;
  }
  if (s().Augen != 0) {
    return Need::Move;
  }
  if (s().WuerfelEnabled && s().intervalOf(TimerId::Timer1) == 0) {
    return Need::Roll;
  }
  return Need::None;  // Timer1 is about to close the roll
}

void SoakGame::schedulePerson() {
  const Need n = need();
  if (n == personNeed_) {
    return;
  }
  personNeed_ = n;
  switch (n) {
    case Need::None:
      personAt_ = kNever;
      break;
    case Need::Roll:
      personAt_ = host_.now() + rng_.between(personMinMs_, personMaxMs_);
      break;
    case Need::Move:
      personAt_ = host_.now() + rng_.between(0, personMaxMs_);
      break;
  }
}

void SoakGame::scheduleInterference() {
  if (interferenceMeanMs_ == 0) {
    interferenceAt_ = kNever;
    return;
  }
  // Exponential gaps: interference at random moments, unrelated to the game.
  const double u = (static_cast<double>(rng_.below(1u << 30)) + 1.0) / double(1u << 30);
  const auto gap = static_cast<std::uint64_t>(-std::log(u) * double(interferenceMeanMs_));
  interferenceAt_ = host_.now() + gap;
}

void SoakGame::setUp() {
  static constexpr std::array<std::uint64_t, 4> kMeans{0, 500, 2'000, 8'000};
  interferenceMeanMs_ = kMeans[rng_.below(kMeans.size())];
  personMinMs_ = rng_.between(20, 400);
  personMaxMs_ = personMinMs_ + rng_.between(0, 1'200);

  // Players and strength through the menu, as a person would set them up.
  for (Colour c : kColours) {
    const bool person = rng_.chance(300);
    if (s().SpielerMenu[static_cast<std::size_t>(index(c))].Checked != person) {
      act(Action::SpielerMenu, index(c));
    }
  }
  act(rng_.chance(500) ? Action::Schwer : Action::Leicht, 0);
  host_.setTimeOfDay(static_cast<std::uint32_t>(rng_.below(VirtualHost::kDayMs)));
  if (rng_.chance(500)) {
    act(Action::Neu, 0);  // else the game the window opened with
  }

  // Most games see no "Neu" before their end; some see one or two, at a random
  // moment, in the middle of a person's roll or inside a computer chain.
  const std::uint64_t planned = rng_.chance(700) ? 0 : (rng_.chance(750) ? 1 : 2);
  for (std::uint64_t i = 0; i < planned; ++i) {
    neuAt_.push_back(host_.now() + rng_.between(0, 200'000));
  }
  std::sort(neuAt_.rbegin(), neuAt_.rend());
  scheduleInterference();
  schedulePerson();
  playing_ = true;
}

GameReport SoakGame::run() {
  setUp();
  while (!failed_ && !won()) {
    if (game_.stats().rolls - rollsAtStart_ > limits_.maxRolls ||
        host_.now() > limits_.maxVirtualMs) {
      break;  // cut off: reported as a game that did not end within the cap
    }
    step();
  }
  if (!failed_ && won()) {
    report_.complete = true;
    const std::string& text = host_.dialogs().front();
    for (Colour c : kColours) {
      if (text.find("Herr " + std::string(info(c).display) + ",") != std::string::npos) {
        report_.winner = index(c);
      }
    }
    if (report_.winner < 0) {
      fail("congratulation names no colour: " + text);
    } else if (!(s().isShown(ZielVoll(Colour(report_.winner), 1)) &&
                 s().isShown(ZielVoll(Colour(report_.winner), 2)) &&
                 s().isShown(ZielVoll(Colour(report_.winner), 3)) &&
                 s().isShown(ZielVoll(Colour(report_.winner), 4)))) {
      fail("the congratulated colour's goal lane is not full");
    }
    report_.rolls = game_.stats().rolls - rollsAtStart_;
    if (!failed_ && rng_.chance(200)) {
      afterWin();
    }
  } else {
    report_.rolls = game_.stats().rolls;
  }
  report_.virtualMs = host_.now();
  return report_;
}

void SoakGame::step() {
  const std::uint64_t neuAt = neuAt_.empty() ? kNever : neuAt_.back();
  const std::uint64_t at = std::min({personAt_, followAt_, interferenceAt_, neuAt, chainNeuAt_});
  if (host_.nextDue() <= at) {
    host_.fireNext(UINT64_MAX);  // reports through onTimer
    return;
  }
  if (at == kNever) {
    fail("nothing is left to happen: no timer runs and nobody can act");
    return;
  }
  host_.advance(at - host_.now());  // fires nothing: no timer is due before `at`
  if (at == followAt_) {
    followAt_ = kNever;
    const FollowUp f = followUp_;
    followUp_ = FollowUp::None;
    if (f == FollowUp::Move && s().Augen != 0) {
      act(Action::Move, 0);
    } else if (f == FollowUp::KannNicht && s().KannNichtBtnEnabled) {
      act(Action::KannNicht, 0);
    }
  } else if (at == personAt_) {
    const Need n = personNeed_;
    personNeed_ = Need::None;
    personAt_ = kNever;
    if (n == Need::Roll && s().WuerfelEnabled) {
      act(Action::Wuerfel, 0);
    } else if (n == Need::Move && neuMidRoll_) {
      neuMidRoll_ = false;
      act(Action::NeuMidRoll, 0);
    } else if (n == Need::Move && s().Augen != 0) {
      act(Action::Move, 0);
    }
    schedulePerson();
  } else if (at == neuAt) {
    neuAt_.pop_back();
    switch (rng_.below(3)) {
      case 0:
        act(Action::Neu, 0);
        break;
      case 1:
        neuMidRoll_ = true;
        break;
      default:
        neuInChain_ = true;
        break;
    }
  } else if (at == chainNeuAt_) {
    chainNeuAt_ = kNever;
    act(Action::NeuInChain, 0);
  } else {
    interfere();
    scheduleInterference();
  }
}

void SoakGame::interfere() {
  const std::uint64_t r = rng_.below(1000);
  if (r < 250) {
    act(Action::ClickImage, static_cast<int>(rng_.below(kBoardImageCount)));
  } else if (r < 450) {
    act(Action::ClickCell, static_cast<int>(rng_.below(kCellCount)));
  } else if (r < 600) {
    // The dice button, if it can be clicked: during a computer colour's 250 ms
    // the roll counts against that colour.
    if (s().WuerfelEnabled) {
      act(computerArmed() ? Action::WuerfelBetween : Action::Wuerfel, 0);
      const std::uint64_t f = rng_.below(10);
      followUp_ = f < 4 ? FollowUp::Move : (f < 6 ? FollowUp::KannNicht : FollowUp::None);
      followAt_ = followUp_ == FollowUp::None ? kNever : host_.now() + rng_.between(0, 300);
    }
  } else if (r < 700) {
    if (s().KannNichtBtnEnabled) {
      act(Action::KannNicht, 0);
    }
  } else if (r < 800) {
    act(Action::SpielerMenu, static_cast<int>(rng_.below(4)));
  } else if (r < 880) {
    act(rng_.chance(500) ? Action::Leicht : Action::Schwer, 0);
  } else {
    act(Action::Help, static_cast<int>(rng_.below(3)));
  }
}

// A person's move for the colour to move: clicks that colour's clickable
// shown images in a random order until one move is accepted, else gives up
// (and now and then gives up at once, though a move might be possible).
void SoakGame::scriptedMove() {
  std::vector<Image> candidates = moveImages(colourOfPlayer(s().Werfer));
  for (std::size_t i = candidates.size(); i > 1; --i) {
    std::swap(candidates[i - 1], candidates[rng_.below(i)]);
  }
  if (!rng_.chance(100)) {
    for (Image i : candidates) {
      if (s().Augen == 0) {
        break;
      }
      game_.click(i);
    }
  }
  if (s().Augen != 0 && s().KannNichtBtnEnabled) {
    game_.KannNichtBtnClick();
  }
}

void SoakGame::act(Action action, int arg) {
  ++report_.actions[static_cast<std::size_t>(action)];
  switch (action) {
    case Action::Timer:
      break;
    case Action::Wuerfel:
    case Action::WuerfelBetween:
      game_.WuerfelClick();
      break;
    case Action::Move:
      scriptedMove();
      break;
    case Action::KannNicht:
      game_.KannNichtBtnClick();
      break;
    case Action::ClickImage:
      game_.click(Image(arg));
      break;
    case Action::ClickCell:
      if (auto top = topmostShown(s(), boardCells()[static_cast<std::size_t>(arg)])) {
        game_.click(*top);
      }
      break;
    case Action::SpielerMenu:
      game_.SpielerMenuClick(Colour(arg));
      break;
    case Action::Leicht:
      game_.leicht1Click();
      break;
    case Action::Schwer:
      game_.schwer1Click();
      break;
    case Action::Neu:
    case Action::NeuMidRoll:
    case Action::NeuInChain:
      if (playing_ && !won()) {
        ++report_.restarts;
      }
      dialogsAtNeu_ = host_.dialogs().size();
      game_.Neu1Click();
      rollsAtStart_ = game_.stats().rolls;
      break;
    case Action::Help:
      if (arg == 0) {
        game_.Inhalt1Click();
      } else if (arg == 1) {
        game_.Suchen1Click();
      } else {
        game_.Hilfebenutzen1Click();
      }
      break;
    case Action::Count:
      break;
  }
  afterEvent(action, arg);
}

void SoakGame::onTimer(TimerId timer) {
  game_.onTimer(timer);
  ++report_.actions[static_cast<std::size_t>(Action::Timer)];
  afterEvent(Action::Timer, static_cast<int>(timer));
}

void SoakGame::rememberRoll() {
  if (game_.stats().rolls != lastRolls_) {
    lastRolls_ = game_.stats().rolls;
    lastRollAt_ = host_.now();
  }
}

// Runs after every event: the consistency check, what the window must show
// in step with the rules, and scheduling of what the person does next.
void SoakGame::afterEvent(Action action, int arg) {
  ++report_.events;
  progress_.events.fetch_add(1, std::memory_order_relaxed);
  const Event e{host_.now(), action, arg};
  recent_.push_back(e);
  if (recent_.size() > kRecentEvents) {
    recent_.pop_front();
  }
  if (trace_ != nullptr) {
    *trace_ << describe(e) << '\n';
  }
  if (failed_) {
    return;
  }

  std::vector<std::string> bad = checkAll(s(), host_, host_.dialogs().size() - dialogsAtNeu_);
  rememberRoll();
  if (!won() && host_.now() - lastRollAt_ > kStandstillMs) {
    bad.push_back("no roll for ten minutes: the game stands still");
  }
  if (!bad.empty()) {
    fail("after " + describe(e), bad);
    return;
  }

  if (neuInChain_ && computerArmed() && chainNeuAt_ == kNever) {
    neuInChain_ = false;
    chainNeuAt_ = host_.now() + rng_.between(0, 249);
  }
  schedulePerson();
}

// After a win: the game stands still whatever the person does, and "Neu"
// brings back a fresh game that plays on.
void SoakGame::afterWin() {
  report_.afterWinChecked = true;
  const std::uint64_t rolls = game_.stats().rolls;
  const std::uint64_t end = host_.now() + 3'000;
  personNeed_ = Need::None;
  personAt_ = followAt_ = chainNeuAt_ = kNever;
  neuAt_.clear();
  while (!failed_ && host_.now() < end) {
    if (host_.nextDue() <= std::min(end, host_.now() + 150)) {
      host_.fireNext(UINT64_MAX);
      continue;
    }
    host_.advance(rng_.between(0, 150));
    const std::uint64_t r = rng_.below(4);
    if (r == 0) {
      act(Action::ClickImage, static_cast<int>(rng_.below(kBoardImageCount)));
    } else if (r == 1) {
      act(Action::ClickCell, static_cast<int>(rng_.below(kCellCount)));
    } else if (r == 2 && s().KannNichtBtnEnabled) {
      act(Action::KannNicht, 0);
    } else {
      act(Action::SpielerMenu, static_cast<int>(rng_.below(4)));
    }
  }
  if (failed_) {
    return;
  }
  if (game_.stats().rolls != rolls || s().WuerfelEnabled) {
    fail("the game did not stand still after its win");
    return;
  }
  act(Action::Neu, 0);
  checkNewGame();
  const std::uint64_t until = host_.now() + 10'000;
  while (!failed_ && game_.stats().rolls == rolls && host_.now() < until) {
    step();
  }
  if (!failed_ && game_.stats().rolls == rolls) {
    fail("no roll within ten seconds of a new game after a win");
  }
}

void SoakGame::checkNewGame() {
  std::vector<std::string> bad;
  for (int i = 0; i < kBoardImageCount; ++i) {
    if (s().isShown(Image(i)) != initiallyShown(Image(i))) {
      bad.push_back(imageName(Image(i)) + " not reset");
    }
  }
  for (int cell = 1; cell <= 56; ++cell) {
    if (s().cell(cell) != Cell::Leer) {
      bad.push_back("Spielfeld[" + std::to_string(cell) + "] not reset");
    }
  }
  if (s().Werfer != 1 || s().BlauDran != 1 || s().Versuche != 3 || !s().WuerfelEnabled ||
      s().intervalOf(TimerId::Timer3) != 500) {
    bad.push_back("a new game after a win does not start with Blau's three rolls");
  }
  if (!bad.empty()) {
    fail("new game after a win", bad);
  }
}

void SoakGame::fail(const std::string& what, const std::vector<std::string>& details) {
  failed_ = true;
  std::ostringstream out;
  out << "game " << gameNumber_ << " of seed " << seed_ << ", event " << report_.events << ": "
      << what << '\n';
  for (const std::string& d : details) {
    out << "    " << d << '\n';
  }
  out << "  last events:\n";
  for (const Event& e : recent_) {
    out << "    " << describe(e) << '\n';
  }
  out << "  replay: quivalo-soak --seed " << seed_ << " --game " << gameNumber_ << " --trace\n";
  report_.violations.push_back(out.str());
}

std::string SoakGame::describe(const Event& e) const {
  std::ostringstream out;
  out << "t=" << e.t << ' ' << actionName(e.action);
  switch (e.action) {
    case Action::Timer:
      out << ' ' << timerName(TimerId(e.arg));
      break;
    case Action::ClickImage:
      out << ' ' << imageName(Image(e.arg));
      break;
    case Action::ClickCell: {
      const BoardCell& c = boardCells()[static_cast<std::size_t>(e.arg)];
      out << " (" << c.column << ',' << c.row << ')';
      break;
    }
    case Action::SpielerMenu:
      out << ' ' << e.arg + 1;
      break;
    case Action::Help:
      out << ' ' << (e.arg == 0 ? "Inhalt" : e.arg == 1 ? "Suchen" : "Hilfe benutzen");
      break;
    default:
      break;
  }
  out << " | Werfer " << int(s().Werfer) << " Versuche " << int(s().Versuche) << " Augen "
      << int(s().Augen) << " rolls " << game_.stats().rolls;
  return out.str();
}

}  // namespace

std::uint64_t gameSeed(std::uint64_t seed, std::uint64_t game) {
  Rng r(seed * 0x9E3779B97F4A7C15ull ^ (game + 1) * 0xD1B54A32D192ED03ull);
  return r.next();
}

const char* actionName(Action a) {
  static constexpr std::array<const char*, kActionCount> kNames{"timer",
                                                                "Wuerfel",
                                                                "Wuerfel(computer's 250 ms)",
                                                                "move",
                                                                "KannNicht",
                                                                "click",
                                                                "click cell",
                                                                "SpielerMenu",
                                                                "leicht",
                                                                "schwer",
                                                                "Neu",
                                                                "Neu(person's roll)",
                                                                "Neu(computer chain)",
                                                                "help"};
  return kNames[static_cast<std::size_t>(a)];
}

GameReport playSoakGame(std::uint64_t seed, std::uint64_t game, const Limits& limits,
                        Progress& progress, std::ostream* trace) {
  SoakGame g(seed, game, limits, progress, trace);
  return g.run();
}

}  // namespace quivalo::soak
