# Writes one page from its template (cmake -P, called by gelvor_web_page):
#   -DTEMPLATE=FILE -DOUTPUT=FILE -DINLINE=0|1
#   -DSTYLES=A.css|... -DSCRIPTS=MODULE.js|A.js|... -DPICTURES=A.svg|... [-DMANUAL=A.txt]
#   [-DHEAD=head.json -DICON=icon.svg]
# The template's "<!-- gelvor:styles -->" becomes the style sheets, its
# "<!-- gelvor:scripts -->" the table of pictures, then the scripts in order,
# and its "<!-- gelvor:manual -->" the manual's text, as a text box holds it.
# With HEAD, its "<!-- gelvor:head -->" becomes the description, the icon,
# the security policy and, for a server, the manifest's link, and its
# "<!-- gelvor:noscript -->" what the page says without JavaScript.
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

# The base64 of the bytes that the hexadecimal digits `hex` spell.
function(base64_of_hex hex out)
  set(alphabet "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
  string(LENGTH "${hex}" length)
  set(text "")
  set(at 0)
  while(at LESS length)
    string(SUBSTRING "${hex}" ${at} 6 group)  # three bytes, or what is left
    string(LENGTH "${group}" digits)
    string(SUBSTRING "${group}000000" 0 6 group)
    math(EXPR value "0x${group}")
    math(EXPR letters "(${digits} * 4 + 5) / 6")
    foreach(shift 18 12 6 0)
      if(letters GREATER 0)
        math(EXPR index "(${value} >> ${shift}) & 63")
        string(SUBSTRING "${alphabet}" ${index} 1 letter)
        string(APPEND text "${letter}")
      else()
        string(APPEND text "=")
      endif()
      math(EXPR letters "${letters} - 1")
    endforeach()
    math(EXPR at "${at} + 6")
  endwhile()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# How a Content-Security-Policy names an inline script by its text.
function(csp_hash text out)
  string(SHA256 hex "${text}")
  base64_of_hex(${hex} base64)
  set(${out} "sha256-${base64}" PARENT_SCOPE)
endfunction()

# A text as HTML holds it inside an element or an attribute's quotes.
function(html_text text out)
  string(REPLACE "&" "&amp;" text "${text}")  # first, before any other adds one
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  string(REPLACE "\"" "&quot;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
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
set(script_hashes "")
foreach(file IN LISTS SCRIPTS)
  if(INLINE)
    inlined(${file} script js)
    string(APPEND scripts "<script>\n${js}</script>\n")
    csp_hash("\n${js}" hash)
    string(APPEND script_hashes " '${hash}'")
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

# The head: what the page is, its icon and its policy. The WebAssembly is
# compiled from bytes ('wasm-unsafe-eval'), but no script is made from a
# string; the page in one file runs only its own scripts, named by their
# hashes. The style sheets and the styles the scripts set are the page's own.
if(HEAD)
  file(READ ${HEAD} texts)
  string(JSON description GET "${texts}" description)
  string(JSON noscript_text GET "${texts}" noscript)
  html_text("${description}" description)
  html_text("${noscript_text}" noscript_text)
  get_filename_component(icon_name ${ICON} NAME)
  if(INLINE)
    svg_data_uri(${ICON} icon)
    string(CONCAT policy "default-src 'none'; script-src${script_hashes} 'wasm-unsafe-eval'; "
      "style-src 'unsafe-inline'; img-src data: blob:; connect-src data:; base-uri 'none'")
    set(manifest "")
  else()
    set(icon "pictures/${icon_name}")
    string(CONCAT policy "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; "
      "style-src 'self' 'unsafe-inline'; img-src 'self' data: blob:; object-src 'none'; "
      "base-uri 'none'")
    set(manifest "<link rel=\"manifest\" href=\"gelvor.webmanifest\">\n")
  endif()
  string(CONCAT head "<meta name=\"description\" content=\"${description}\">\n"
    "<link rel=\"icon\" type=\"image/svg+xml\" href=\"${icon}\">\n${manifest}"
    "<meta http-equiv=\"Content-Security-Policy\" content=\"${policy}\">")
  set(noscript "<noscript><p class=\"noscript\">${noscript_text}</p></noscript>")
endif()

file(READ ${TEMPLATE} page)
set(markers styles scripts)
if(MANUAL)
  list(APPEND markers manual)
endif()
if(HEAD)
  list(APPEND markers head noscript)
endif()
foreach(marker IN LISTS markers)
  string(FIND "${page}" "<!-- gelvor:${marker} -->" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${TEMPLATE} has no <!-- gelvor:${marker} -->")
  endif()
  string(REPLACE "<!-- gelvor:${marker} -->" "${${marker}}" page "${page}")
endforeach()
file(WRITE ${OUTPUT} "${page}")
