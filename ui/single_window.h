#pragma once

#include <QPointer>
#include <QWidget>

#include <utility>

namespace marunda::ui {

// A window that exists at most once: opening it again brings the open one to the front.
template <class W> class SingleWindow {
public:
    template <class... Args> W* open(Args&&... args) {
        if (!window_) {
            window_ = new W(std::forward<Args>(args)...);
            window_->setAttribute(Qt::WA_DeleteOnClose);
            window_->show();
            return window_;
        }
        if (window_->isMinimized()) {
            window_->showNormal();
        }
        window_->show();
        window_->raise();
        window_->activateWindow();
        return window_;
    }

    W* window() const { return window_; }
    bool isOpen() const { return !window_.isNull(); }

private:
    QPointer<W> window_;
};

} // namespace marunda::ui
