#pragma once

#include "app/shell_geometry.h"

#include <QRect>

#include <array>

class QWidget;

namespace tmcalc {

class StandardsLibrary;

// What a page is made with: where it goes and the program's standards.
struct PageSite {
    QWidget* parent = nullptr;
    QRect geometry;
    int titleId = 0;
    StandardsLibrary* standards = nullptr;
};

using PageFactory = QWidget* (*)(const PageSite& site);

struct PageEntry {
    int titleId = 0;  // the title band's string id (0: none)
    PageFactory create = nullptr;
};

// Every page of the main window by its index: navigation items 0-11, then the More tiles.
[[nodiscard]] const std::array<PageEntry, kPageCount>& PageRegistry();

// The title band id of each page (0: none, or an index out of range).
[[nodiscard]] int PageTitleId(int page);

}  // namespace tmcalc
