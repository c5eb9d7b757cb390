# Writes one page from its template (cmake -P, called by gelvor_web_page):
#   -DTEMPLATE=FILE -DOUTPUT=FILE -DINLINE=0|1
#   -DSTYLES=A.css|... -DSCRIPTS=MODULE.js|A.js|... -DPICTURES=A.svg|... [-DMANUAL=A.txt]
# The template's "<!-- gelvor:styles -->" becomes the style sheets, its
# "<!-- gelvor:scripts -->" the table of pictures, then the scripts in order,
# and its "<!-- gelvor:manual -->" the manual's text, as a text box holds it.
foreach(list STYLES SCRIPTS PICTURES)
  string(REPLACE "|" ";" ${list} "${${list}}")
  list(REMOVE_ITEM ${list} "")
endforeach()

# The text of a file that goes between the tags `tag`; the parser would end
# the element early at its closing tag, or misread what follows "<!--".
function(inlined file tag out)
  file(READ ${file} text)
  string(TOLOWER "${text}" lower)
  foreach(breaking "</${tag}" "<!--")
    string(FIND "${lower}" "${breaking}" at)
    if(NOT at EQUAL -1)
      message(FATAL_ERROR "${file} holds \"${breaking}\" and cannot go inside <${tag}>")
    endif()
  endforeach()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# An SVG picture as a data URI, percent-encoding what a URL or the JSON string
# around it cannot hold as it is (a URL parser drops raw line breaks).
function(svg_data_uri file out)
  file(READ ${file} svg)
  string(REPLACE "%" "%25" svg "${svg}")  # first, before any other adds one
  string(REPLACE "\n" "%0A" svg "${svg}")
  string(REPLACE "\r" "%0D" svg "${svg}")
  string(REPLACE "\t" "%09" svg "${svg}")
  string(REPLACE "\"" "%22" svg "${svg}")
  string(REPLACE "#" "%23" svg "${svg}")
  string(REPLACE "<" "%3C" svg "${svg}")
  string(REPLACE ">" "%3E" svg "${svg}")
  string(REPLACE "\\" "%5C" svg "${svg}")
  set(${out} "data:image/svg+xml,${svg}" PARENT_SCOPE)
endfunction()

set(styles "")
foreach(file IN LISTS STYLES)
  if(INLINE)
    inlined(${file} style css)
    string(APPEND styles "<style>\n${css}</style>\n")
  else()
    get_filename_component(name ${file} NAME)
    string(APPEND styles "<link rel=\"stylesheet\" href=\"${name}\">\n")
  endif()
endforeach()

# The page finds its pictures by file name in this table.
set(table "")
foreach(file IN LISTS PICTURES)
  get_filename_component(name ${file} NAME)
  if(INLINE)
    svg_data_uri(${file} url)
  else()
    set(url "pictures/${name}")
  endif()
  if(NOT table STREQUAL "")
    string(APPEND table ",\n")
  endif()
  string(APPEND table "\"${name}\": \"${url}\"")
endforeach()
set(scripts "<script type=\"application/json\" id=\"pictures\">{${table}}</script>\n")
foreach(file IN LISTS SCRIPTS)
  if(INLINE)
    inlined(${file} script js)
    string(APPEND scripts "<script>\n${js}</script>\n")
  else()
    get_filename_component(name ${file} NAME)
    string(APPEND scripts "<script src=\"${name}\"></script>\n")
  endif()
endforeach()

# Inside <textarea> only "&" and "<" are not text as they stand.
set(manual "")
if(MANUAL)
  file(READ ${MANUAL} manual)
  string(REPLACE "&" "&amp;" manual "${manual}")  # first, before any other adds one
  string(REPLACE "<" "&lt;" manual "${manual}")
endif()

file(READ ${TEMPLATE} page)
set(markers styles scripts)
if(MANUAL)
  list(APPEND markers manual)
endif()
foreach(marker IN LISTS markers)
  string(FIND "${page}" "<!-- gelvor:${marker} -->" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${TEMPLATE} has no <!-- gelvor:${marker} -->")
  endif()
  string(REPLACE "<!-- gelvor:${marker} -->" "${${marker}}" page "${page}")
endforeach()
file(WRITE ${OUTPUT} "${page}")
