#pragma once
// The two web addresses the web button opens. Packagers may set their own with
// -DVELKO_PRODUCT_URL="..." and -DVELKO_MAKER_URL="..."; where an address is
// not set, the button opens the "about" section of our own help page.

namespace velko {

#ifdef VELKO_PRODUCT_URL
inline constexpr const char* kProductPage = VELKO_PRODUCT_URL;
#else
inline constexpr const char* kProductPage = "";
#endif

#ifdef VELKO_MAKER_URL
inline constexpr const char* kMakerPage = VELKO_MAKER_URL;
#else
inline constexpr const char* kMakerPage = "";
#endif

// The section of the help page that the web button opens without an address.
inline constexpr const char* kAboutSection = "about";

}   // namespace velko
