#pragma once

#include <cstdint>
#include <string>

#include "runtime/exception.h"
#include "runtime/message.h"

// What the programs say to people, in the language their locale asks for
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as gettext reads them): the English
// patterns translated through the catalogs built from po/, English where
// there is none. Nothing is looked up until the first message is shown, so
// a run that says nothing pays nothing for it.
namespace Messages {

// Reads the catalogs from folder/LANGUAGE/LC_MESSAGES/dalcal.mo instead of
// where the program finds them (share/locale beside its bin folder, else
// where it was installed); for tests that run a program's code elsewhere.
void UseCatalogsIn(const std::string& folder);

// The translation of an English text (a Phrase), or the text itself.
const char* Translated(const char* english);

// A message translated and filled in, UTF-8.
std::string Shown(const Message& message);

// A refusal in the reader's language, UTF-8: its message where it has one,
// else its text.
std::string Shown(const Exception& error);

// How far a day is from today, as the lists of what is coming say it:
// "today", "tomorrow", "in 3 days" (오늘, 내일, 3일 남음 in Korean).
std::string DaysLeftWords(std::int32_t daysLeft);

}  // namespace Messages
