#pragma once
// Where the links of the internet cafe and the about box lead: the game's own
// addresses. Each link shows its target as its text.

constexpr char kAuthorMailLink[] = "mailto:author@torvane.example";
constexpr char kDiscussionLink[] = "https://forum.torvane.example/";
constexpr char kHomePageLink[] = "https://www.torvane.example/";
constexpr char kSecondHomePageLink[] = "https://home.torvane.example/";
constexpr char kFreeGamesLink[] = "https://free-games.example/";
constexpr char kGameDevelopmentLink[] = "https://game-making.example/";
