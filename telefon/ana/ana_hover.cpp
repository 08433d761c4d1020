// The highlight that follows the mouse over the commands. Which labels go back to normal
// differs per kind of label: com7 keeps its colour over the page commands, com9 over the
// switches, and only the window's background puts everything back.
#include "telefon/ana/ana.h"

#include "ui/colours.h"
#include "ui/command_label.h"
#include "ui/shapes.h"

namespace marunda::telefon {

namespace colours = marunda::ui::colours;

namespace {

constexpr int kAbout = 6;   // com7
constexpr int kListing = 8; // com9

} // namespace

void Ana::connectHover() {
    for (int i = 0; i < kCommandCount; ++i) {
        connect(commands_[i], &Label::hovered, this, [this, i] { hoverCommand(i); });
    }
    for (int i = 0; i < static_cast<int>(pageCommands_.size()); ++i) {
        connect(pageCommands_[i], &Label::hovered, this, [this, i] { hoverPageCommand(i); });
    }
    for (int i = 0; i < static_cast<int>(switches_.size()); ++i) {
        connect(switches_[i], &Label::hovered, this, [this, i] { hoverSwitch(i); });
    }
}

void Ana::lightCommand(int index, bool lit) {
    commands_[index]->setColours(lit ? colours::highlight : colours::commandNormal);
    markers_[index]->setFill(lit ? colours::markerHighlight : colours::pageNormal);
}

void Ana::lightPageCommand(int index, bool lit) {
    pageCommands_[index]->setColours(lit ? colours::highlight : colours::pageNormal);
}

void Ana::lightSwitch(int index, bool lit) {
    switches_[index]->setColours(lit ? colours::highlight : colours::pageNormal);
}

void Ana::hoverCommand(int index) {
    for (int i = 0; i < kCommandCount; ++i) {
        lightCommand(i, i == index);
    }
    for (int i = 0; i < static_cast<int>(pageCommands_.size()); ++i) {
        lightPageCommand(i, false);
    }
}

void Ana::hoverPageCommand(int index) {
    for (int i = 0; i < kCommandCount; ++i) {
        if (i != kAbout) {
            lightCommand(i, false);
        }
    }
    for (int i = 0; i < static_cast<int>(pageCommands_.size()); ++i) {
        lightPageCommand(i, i == index);
    }
}

void Ana::hoverSwitch(int index) {
    for (int i = 0; i < kCommandCount; ++i) {
        if (i != kListing) {
            lightCommand(i, false);
        }
    }
    for (int i = 0; i < static_cast<int>(pageCommands_.size()); ++i) {
        lightPageCommand(i, false);
    }
    lightSwitch(index, true);
}

void Ana::hoverBackground() {
    for (int i = 0; i < kCommandCount; ++i) {
        lightCommand(i, false);
    }
    for (int i = 0; i < static_cast<int>(pageCommands_.size()); ++i) {
        lightPageCommand(i, false);
    }
    lightSwitch(0, false);
    lightSwitch(1, false);
}

} // namespace marunda::telefon
