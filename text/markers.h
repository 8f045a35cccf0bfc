// Cutting values out of pages, catalogs and replies from between two fixed marker texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vexlune {

// First piece between the markers, untrimmed; the empty text when either marker is missing.
// "#引号" in a marker stands for a double quote. ASCII case is ignored unless case_sensitive.
// start_position is 1-based; 0 or 1 search from the beginning.
std::string text_between(std::string_view text, std::string_view start_marker,
                         std::string_view end_marker, int start_position = 0,
                         bool case_sensitive = false);

// Overwrites `pieces` with every trimmed piece in order; each search resumes on the end marker
// just found, so one marker can close a piece and open the next. An empty or over-long piece
// ends the extraction. Returns the number of pieces, 0 when none was collected.
int all_texts_between(std::string_view text, std::string_view start_marker,
                      std::string_view end_marker, std::vector<std::string>& pieces,
                      bool case_sensitive = false, int max_length = 0, std::string_view prefix = {},
                      std::string_view suffix = {}, bool keep_start_marker = false,
                      bool keep_end_marker = false, int start_position = 0);

}  // namespace vexlune
