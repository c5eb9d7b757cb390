# The layers' build rules, for the desktop project and the web one alike.

# The repository's root: the web project's own root is web/.
get_filename_component(GELVOR_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

# Warnings for our own targets only; Qt's headers come in as system headers.
add_library(gelvor_warnings INTERFACE)
target_compile_options(gelvor_warnings INTERFACE -Wall -Wextra -Wpedantic
                       $<$<BOOL:${GELVOR_WERROR}>:-Werror>)
# GCC 12 warns of overlapping copies inside std::string's own code where
# there are none (its bug 105651); later versions do not.
target_compile_options(gelvor_warnings INTERFACE
  $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)

# The layers see each other only through what they link. A target's include
# folder holds one link, named after its source folder, to that folder (or to
# the few headers it lists), so "model/bench.h" is found by whoever links
# gelvor_model and by nobody else: model/ sees neither Qt nor present/, and
# present/ cannot reach ui/.
#   gelvor_expose(TARGET SCOPE FOLDER [HEADER...])
function(gelvor_expose target scope folder)
  set(root ${PROJECT_BINARY_DIR}/exposed/${target})
  file(REMOVE_RECURSE ${root})
  if(ARGN)
    foreach(header IN LISTS ARGN)
      get_filename_component(dir ${root}/${folder}/${header} DIRECTORY)
      file(MAKE_DIRECTORY ${dir})
      file(CREATE_LINK ${GELVOR_SOURCE_ROOT}/${folder}/${header} ${root}/${folder}/${header}
           SYMBOLIC)
    endforeach()
  else()
    get_filename_component(dir ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(CREATE_LINK ${GELVOR_SOURCE_ROOT}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope} ${root})
endfunction()
