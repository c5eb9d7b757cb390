# The web edition's two kinds of output: the module (C++ compiled to
# WebAssembly, with the script that loads it) and the page that embeds it.

# gelvor_web_module(TARGET OUTPUT_NAME [SINGLE_FILE] [SOURCE...]) makes
# OUTPUT_NAME.js, a script that defines createGelvor(), a promise of the
# module with its bindings. SINGLE_FILE puts the WebAssembly into the script as base64;
# otherwise the script fetches OUTPUT_NAME.wasm from beside itself. Its
# memory grows as a large notebook needs, from the same small start.
function(gelvor_web_module target output_name)
  cmake_parse_arguments(arg "SINGLE_FILE" "" "" ${ARGN})
  add_executable(${target} ${arg_UNPARSED_ARGUMENTS})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${output_name})
  target_link_options(${target} PRIVATE --bind -sMODULARIZE=1 -sEXPORT_NAME=createGelvor
    -sENVIRONMENT=web -sFILESYSTEM=0 -sALLOW_MEMORY_GROWTH=1
    $<$<BOOL:${arg_SINGLE_FILE}>:-sSINGLE_FILE=1>)
endfunction()

# gelvor_web_page(OUTPUT TEMPLATE FILE MODULE TARGET [INLINE] STYLES... SCRIPTS...
#                 PICTURES... [MANUAL FILE]) writes the page OUTPUT from TEMPLATE
# with its style sheets, the module's script, the page's scripts, a table of
# its pictures and the manual's text. INLINE puts all of them into the page,
# the pictures as data URIs, so that it opens from disk; otherwise the page
# links them by name, with the pictures in pictures/. The manual is always
# inside: it is the text of a box.
function(gelvor_web_page output)
  cmake_parse_arguments(arg "INLINE" "TEMPLATE;MODULE;MANUAL" "STYLES;SCRIPTS;PICTURES" ${ARGN})
  get_filename_component(template ${arg_TEMPLATE} ABSOLUTE)
  set(script ${GELVOR_SOURCE_ROOT}/web/assemble_page.cmake)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${output}
    COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${template}
      -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/${output} -DINLINE=$<BOOL:${arg_INLINE}>
      "-DSTYLES=$<JOIN:${arg_STYLES},|>"
      "-DSCRIPTS=$<TARGET_FILE:${arg_MODULE}>|$<JOIN:${arg_SCRIPTS},|>"
      "-DPICTURES=$<JOIN:${arg_PICTURES},|>" -DMANUAL=${arg_MANUAL} -P ${script}
    DEPENDS ${template} ${script} ${arg_MODULE} ${arg_STYLES} ${arg_SCRIPTS} ${arg_PICTURES}
      ${arg_MANUAL}
    VERBATIM)
  string(MAKE_C_IDENTIFIER "page_${output}" page_target)
  add_custom_target(${page_target} ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${output})
endfunction()
