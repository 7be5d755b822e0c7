// What the About window says and where it sits: plain values, no Win32.
#pragma once

// The maker's domain: the website, its link and the contact address all come from here.
#define ORVATEK_DOMAIN "orvatek.example"
#define ORVATEK_WEBSITE "https://" ORVATEK_DOMAIN

// The "Visit website" button opens the site's root, tagged so the visit counts as coming from here.
constexpr const char* kAboutWebsiteLink = ORVATEK_WEBSITE "/?utm_source=About";

// Three lines under the logo: rights, where to find more, whom to write to.
constexpr const char* kAboutMakerInfo =
    "Copyright 2026 Orvatek. All rights reserved.\r\n"
    "More screensavers at " ORVATEK_WEBSITE "\r\n"
    "Contact: hello@" ORVATEK_DOMAIN;

// Outer size of the window in physical pixels.
constexpr int kAboutWindowWidth = 400;
constexpr int kAboutWindowHeight = 300;

struct AboutWindowPosition {
  int x;
  int y;
};

// Outer top-left corner that centres the window on a screen of the given size.
// Computed in double and truncated toward zero, so a screen narrower than the
// window gives a negative x (and a 399-pixel one gives 0).
AboutWindowPosition aboutWindowPosition(int screenWidth, int screenHeight);
