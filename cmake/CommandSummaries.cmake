# cmake -DINPUT=<quake-console-commands.tsv> -DOUTPUT=<command-summaries.tsv> -P CommandSummaries.cmake
#
# Keeps of the command reference only what the program shows: game, name and summary, one
# command a line, tab-separated, under the header line that CommandSummaries checks. A row
# that is not the reference's seven fields stops the build rather than shipping summaries
# that are off by a column.
# Lines are cut from the text one by one instead of read as a CMake list, which would split
# summaries at their semicolons and join them at unbalanced brackets.
set(expected_header "game\tkind\tname\tcategory\tsection\tsummary\tsource")
set(field "[^\t]*")
set(row "^(${field})\t${field}\t(${field})\t${field}\t${field}\t(${field})\t${field}$")

file(READ "${INPUT}" reference)
string(REPLACE "\r" "" reference "${reference}")
set(summaries "game\tname\tsummary\n")
set(number 0)
while(NOT reference STREQUAL "")
    string(FIND "${reference}" "\n" end)
    if(end EQUAL -1)
        set(line "${reference}")
        set(reference "")
    else()
        string(SUBSTRING "${reference}" 0 ${end} line)
        math(EXPR end "${end} + 1")
        string(SUBSTRING "${reference}" ${end} -1 reference)
    endif()
    math(EXPR number "${number} + 1")
    if(number EQUAL 1)
        if(NOT line STREQUAL expected_header)
            message(FATAL_ERROR "${INPUT}: the header is not \"${expected_header}\"")
        endif()
    elseif(line MATCHES "${row}")
        string(APPEND summaries "${CMAKE_MATCH_1}\t${CMAKE_MATCH_2}\t${CMAKE_MATCH_3}\n")
    elseif(NOT line STREQUAL "")
        message(FATAL_ERROR "${INPUT}:${number}: not seven tab-separated fields")
    endif()
endwhile()

file(WRITE "${OUTPUT}" "${summaries}")
