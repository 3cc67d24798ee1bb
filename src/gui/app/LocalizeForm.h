#pragma once

#include "core/platform/TextOrId.h"

class QWidget;

namespace pellor {

class modLocale;

// Puts a window into the current language. Captions in the window's layout are written as
// "English text#id" (see modLocale::TranslateCaption); every such caption becomes the text
// of its id:
//  - the window title;
//  - for every child, in the order of the object tree: text, title, window title, tool tip,
//    status tip, "What's This" text, placeholder text and the dynamic property "Tag";
//  - the tab captions and tab tool tips of tab bars and tab widgets;
//  - the actions of tool bars, menu bars and menus, with the menus of tool-bar buttons;
//  - the header texts and header tool tips of tree, table and other item views.
// The panels of a status bar are its direct child widgets (the labels added with
// QStatusBar::addWidget or addPermanentWidget): only their tool tips are localised, their
// texts are status values that the program writes itself. Child windows other than menus
// (dialogs owned by the window) are left to their own localisation.
//
// Font: the family is the text of the font argument (a name or an id), or of id 11 when it
// is missing or empty. When the font database does not know that family, id 12 is tried,
// then id 13, which is taken as the last resort (the system substitutes a font for it). The
// window gets the family (unless it is a multiple-document frame); children and menus that
// carry a font of their own get the family too. The character set of id 14 has no meaning
// for Qt's fonts and is not used. Nothing happens to the font when no id names a family.
//
// A property a control lacks, or refuses to take, is passed over.
void LocalizeForm(const modLocale& locale, QWidget* window, const TextOrId& font = TextOrId());

} // namespace pellor
