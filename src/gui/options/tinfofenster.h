#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

namespace pagoranto {

// The splash with the product name and version, shown at start-up and at the end.
class Tinfofenster : public QWidget {
    Q_OBJECT

public:
    explicit Tinfofenster(QWidget *parent = nullptr);

    // Shows the window for the given time while the other windows go on working, then hides it.
    void ShowFor(std::uint64_t milliseconds);
    // The same without waiting: returns at once, and after the time hides the window and calls
    // then.
    void ShowForThen(std::uint64_t milliseconds, std::function<void()> then);

private:
    void Present();
};

} // namespace pagoranto
