#pragma once
// Template numbers and control IDs of the help menu's screens and the boss key.

constexpr int kAboutDialogId = 100;
constexpr int kCityIntroDialogId = 167;
constexpr int kWritingDialogId = 168;
constexpr int kDonateDialogId = 171;
constexpr int kStatementDialogId = 172;

// The writing screen.
constexpr int kReportEditId = 1053;
constexpr int kSaveButtonId = 1114;
constexpr int kSpellCheckButtonId = 1115;

// The about box.
constexpr int kCreditButtonId = 1029;
constexpr int kAboutMailLinkId = 1097;
constexpr int kAboutDiscussionLinkId = 1101;
constexpr int kDonateButtonId = 1121;
constexpr int kStatementButtonId = 1122;
