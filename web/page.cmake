# The web edition's kinds of output: the module (C++ compiled to WebAssembly,
# with the script that loads it), the page that embeds it, what the page's
# head says from the program's texts, and the service worker that keeps the
# server's page for offline use.

# gelvor_web_module(TARGET OUTPUT_NAME [SINGLE_FILE] [SOURCE...]) makes
# OUTPUT_NAME.js, a script that defines createGelvor(), a promise of the
# module with its bindings. SINGLE_FILE puts the WebAssembly into the script as base64;
# otherwise the script fetches OUTPUT_NAME.wasm from beside itself. Its
# memory grows as a large notebook needs, from the same small start. The
# bindings' glue makes no code from strings, so that the page runs under a
# Content-Security-Policy without 'unsafe-eval'.
function(gelvor_web_module target output_name)
  cmake_parse_arguments(arg "SINGLE_FILE" "" "" ${ARGN})
  add_executable(${target} ${arg_UNPARSED_ARGUMENTS})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${output_name})
  target_link_options(${target} PRIVATE --bind -sMODULARIZE=1 -sEXPORT_NAME=createGelvor
    -sENVIRONMENT=web -sFILESYSTEM=0 -sALLOW_MEMORY_GROWTH=1 -sDYNAMIC_EXECUTION=0
    $<$<BOOL:${arg_SINGLE_FILE}>:-sSINGLE_FILE=1>)
  if(NOT arg_SINGLE_FILE)
    # The link writes the .wasm beside the script: named, so that a rule may
    # depend on it (the service worker's digest) in a tree built from scratch.
    add_custom_command(TARGET ${target} POST_BUILD COMMAND ${CMAKE_COMMAND} -E true
      BYPRODUCTS ${CMAKE_CURRENT_BINARY_DIR}/${output_name}.wasm)
  endif()
endfunction()

# gelvor_web_head(TARGET SOURCE ICON LIBRARIES...) builds SOURCE for node
# and runs it: head.json (the page's description and what it says without
# JavaScript) and gelvor.webmanifest (naming ICON as its icon), both from the
# program's texts.
function(gelvor_web_head target source icon)
  find_program(GELVOR_NODE NAMES node nodejs REQUIRED)
  add_executable(${target} ${source})
  target_link_libraries(${target} PRIVATE ${ARGN})
  target_link_options(${target} PRIVATE -sENVIRONMENT=node -sSINGLE_FILE=1)
  set(dir ${CMAKE_CURRENT_BINARY_DIR})
  add_custom_command(OUTPUT ${dir}/head.json ${dir}/gelvor.webmanifest
    COMMAND ${GELVOR_NODE} $<TARGET_FILE:${target}> head > ${dir}/head.json
    COMMAND ${GELVOR_NODE} $<TARGET_FILE:${target}> manifest ${icon} > ${dir}/gelvor.webmanifest
    DEPENDS ${target}
    VERBATIM)
  add_custom_target(${target}_run ALL DEPENDS ${dir}/head.json ${dir}/gelvor.webmanifest)
endfunction()

# gelvor_web_page(OUTPUT TEMPLATE FILE MODULE TARGET [INLINE] STYLES... SCRIPTS...
#                 PICTURES... [MANUAL FILE] [HEAD FILE ICON FILE]) writes the
# page OUTPUT from TEMPLATE with its style sheets, the module's script, the
# page's scripts, a table of its pictures and the manual's text. INLINE puts
# all of them into the page, the pictures as data URIs, so that it opens
# from disk; otherwise the page links them by name, with the pictures in
# pictures/. The manual is always inside: it is the text of a box. HEAD (from
# gelvor_web_head) and ICON give the head its description, icon, policy and,
# for a server, its manifest, and the body what shows without JavaScript.
function(gelvor_web_page output)
  cmake_parse_arguments(arg "INLINE" "TEMPLATE;MODULE;MANUAL;HEAD;ICON" "STYLES;SCRIPTS;PICTURES"
    ${ARGN})
  get_filename_component(template ${arg_TEMPLATE} ABSOLUTE)
  set(script ${GELVOR_SOURCE_ROOT}/web/assemble_page.cmake)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${output}
    COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${template}
      -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/${output} -DINLINE=$<BOOL:${arg_INLINE}>
      "-DSTYLES=$<JOIN:${arg_STYLES},|>"
      "-DSCRIPTS=$<TARGET_FILE:${arg_MODULE}>|$<JOIN:${arg_SCRIPTS},|>"
      "-DPICTURES=$<JOIN:${arg_PICTURES},|>" -DMANUAL=${arg_MANUAL} -DHEAD=${arg_HEAD}
      -DICON=${arg_ICON} -P ${script}
    DEPENDS ${template} ${script} ${arg_MODULE} ${arg_STYLES} ${arg_SCRIPTS} ${arg_PICTURES}
      ${arg_MANUAL} ${arg_HEAD} ${arg_ICON}
    VERBATIM)
  string(MAKE_C_IDENTIFIER "page_${output}" page_target)
  add_custom_target(${page_target} ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${output})
endfunction()

# gelvor_web_offline(OUTPUT TEMPLATE FILE FILES NAME=PATH...) writes the
# service worker OUTPUT from TEMPLATE: it keeps each file NAME of the
# server's folder (the build has it at PATH) and is named by a digest of
# their contents, so that a new build replaces what browsers kept.
function(gelvor_web_offline output)
  cmake_parse_arguments(arg "" "TEMPLATE" "FILES" ${ARGN})
  get_filename_component(template ${arg_TEMPLATE} ABSOLUTE)
  set(script ${GELVOR_SOURCE_ROOT}/web/offline_files.cmake)
  set(paths)
  foreach(entry IN LISTS arg_FILES)
    string(REGEX REPLACE "^[^=]*=" "" path "${entry}")
    list(APPEND paths ${path})
  endforeach()
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${output}
    COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${template} -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/${output}
      "-DFILES=$<JOIN:${arg_FILES},|>" -P ${script}
    DEPENDS ${template} ${script} ${paths}
    VERBATIM)
  string(MAKE_C_IDENTIFIER "offline_${output}" offline_target)
  add_custom_target(${offline_target} ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${output})
endfunction()
