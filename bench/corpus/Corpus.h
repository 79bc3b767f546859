#pragma once

#include <cstddef>
#include <string>

namespace qmbench {

// A Hebrew HTML page of about the given size in bytes, generated
// deterministically: tags with attributes, comments, Hebrew (code page 1255)
// and Latin text, CR LF line ends. The same size always gives the same page.
std::string hebrewPage(std::size_t bytes);

}  // namespace qmbench
