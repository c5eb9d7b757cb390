#pragma once

// The language of a text meant for a person. The window always speaks
// Spanish; the command line speaks the user's language, Spanish or English.
namespace gelvor {

enum class Language { spanish, english };

}  // namespace gelvor
