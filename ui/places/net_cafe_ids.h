#pragma once
// Controls of the internet cafe (template 160): its six links.

constexpr int kCafeMailLinkId = 1074;
constexpr int kCafeDiscussionLinkId = 1102;
constexpr int kCafeHomePageLinkId = 1103;
constexpr int kCafeSecondHomePageLinkId = 1104;
constexpr int kCafeFreeGamesLinkId = 1095;
constexpr int kCafeGameDevelopmentLinkId = 1096;
