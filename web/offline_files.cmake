# Writes the service worker from its template (cmake -P, called by
# gelvor_web_offline): -DTEMPLATE=FILE -DOUTPUT=FILE -DFILES=NAME=PATH|...
# The template's "@OFFLINE_FILES@" becomes the names as a JavaScript list,
# and "@OFFLINE_VERSION@" a digest of every file's name and contents.
string(REPLACE "|" ";" FILES "${FILES}")
set(names "")
set(digests "")
foreach(entry IN LISTS FILES)
  string(FIND "${entry}" "=" at)
  string(SUBSTRING "${entry}" 0 ${at} name)
  math(EXPR from "${at} + 1")
  string(SUBSTRING "${entry}" ${from} -1 path)
  file(SHA256 ${path} digest)
  string(APPEND digests "${name} ${digest}\n")
  if(NOT names STREQUAL "")
    string(APPEND names ",\n  ")
  endif()
  string(APPEND names "\"${name}\"")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING "${version}" 0 16 OFFLINE_VERSION)
set(OFFLINE_FILES "[\n  ${names},\n]")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
