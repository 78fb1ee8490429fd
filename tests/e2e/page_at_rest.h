#pragma once

#include <QImage>
#include <gtest/gtest.h>

// What a capture of the window at its opening size shows of the current page,
// read as a person reads it: from the dots, the controls and the answer area.
namespace e2e {

// Text in the answer area.
bool answerShown(const QImage& shot);
// A tick in the check box "Правильный ответ".
bool boxTicked(const QImage& shot);

// Every page dot is plain except one, which is wholly highlighted.
::testing::AssertionResult showsOneCurrentDot(const QImage& shot);

// The page of the one highlighted dot is at rest, nothing shifted or half
// drawn: a card with its check box, button, strip and answer area in their
// places, showing its answer exactly while the box is ticked, or the end page
// with "В начало" in the top-left corner. Any control may have the focus.
::testing::AssertionResult showsPageAtRest(const QImage& shot);
// ... and that page is `page`. A page's dot is lit from the start of the slide
// that brings it, so a lit dot alone does not tell that the slide is over.
bool showsPageAtRest(const QImage& shot, int page);

}  // namespace e2e
