#pragma once

namespace tarvel {

// Which way the data list and the trend graphs page: back to earlier records and days, or forward
// to later ones. The Diary page asks the list for a step with it, so it lives below both.
enum class PagingDirection { Back, Forward };

} // namespace tarvel
