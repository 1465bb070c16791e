// SPDX-License-Identifier: GPL-3.0-or-later
// The one way both start-up programs end: a window is closed, by the same
// path as its close box, at the first idle moment after it was first exposed
// (and so drawn). Whatever start-up costs up to the first frame on the screen
// is in the run; nothing after it is.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace zas::bench {

class CloseWhenShown : public QObject {
  public:
    // Watches every event of the application until `window` is exposed.
    explicit CloseWhenShown(QWidget* window) : window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
        // A window that is never exposed would leave the run hanging.
        QTimer::singleShot(kGiveUpMs, this, [] {
            std::fputs("the window was never exposed\n", stderr);
            QCoreApplication::exit(2);
        });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && !window_.isNull() &&
            watched == window_->windowHandle() && window_->windowHandle()->isExposed()) {
            // The expose is handled (the window painted and flushed) after
            // this returns; the queued close runs once the loop is idle.
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, window_, &QWidget::close);
        }
        return false;
    }

  private:
    static constexpr int kGiveUpMs = 30000;
    QPointer<QWidget> window_;
};

}  // namespace zas::bench
