#pragma once
// The two web addresses the web button opens. Packagers may set their own with
// -DVELKO_PRODUCT_URL="..." and -DVELKO_MAKER_URL="...".

namespace velko {

#ifdef VELKO_PRODUCT_URL
inline constexpr const char* kProductPage = VELKO_PRODUCT_URL;
#else
inline constexpr const char* kProductPage = "https://velko-lines.example.org/";
#endif

#ifdef VELKO_MAKER_URL
inline constexpr const char* kMakerPage = VELKO_MAKER_URL;
#else
inline constexpr const char* kMakerPage = "https://example.org/";
#endif

}   // namespace velko
