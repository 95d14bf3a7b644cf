// SPDX-License-Identifier: GPL-3.0-or-later
// The about box "Info...": program icon, name, version and two notice rows in
// a bevelled panel, and an OK button. Created once, hidden, and shown modally
// again at every choice of "In&fo...".
#pragma once

#include <QDialog>

class QPushButton;

namespace quivalo::ui {

class TInfo final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 330;
  static constexpr int kClientHeight = 204;

  explicit TInfo(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QPushButton* okButton_ = nullptr;
};

}  // namespace quivalo::ui
