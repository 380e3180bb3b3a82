# The release notes in NEWS, read once at configure time so that the metainfo's
# <releases> and the Debian changelog say what NEWS says.
#
# NEWS holds the releases newest first. Each starts with a heading line
# "Vorka <version>, <YYYY-MM-DD>"; under it come paragraphs and lists, separated
# by blank lines. A list item starts with "- " and goes on in lines indented by
# two blanks. Lines stay within 72 columns so that the Debian changelog, which
# keeps them as they are, stays within 80.
#
# vorka_read_news(<file>) sets in the caller's scope:
#   VORKA_NEWS_COUNT                  the number of releases
#   VORKA_NEWS_<i>_VERSION, _DATE     of release i, 0 being the newest
#   VORKA_NEWS_<i>_XML                its notes as AppStream description markup
#   VORKA_NEWS_<i>_CHANGELOG          its notes as Debian changelog lines
# and fails the configuration when NEWS does not have that shape.

# A semicolon would split CMake's lists; it travels as this until the end.
set(_vorka_news_semicolon "{vorka-semicolon}")

function(_vorka_news_xml_escape out text)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(vorka_read_news file)
    file(READ "${file}" content)
    string(REPLACE ";" "${_vorka_news_semicolon}" content "${content}")
    string(REPLACE "\n" ";" lines "${content}")
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")

    set(count 0)
    set(release -1)
    set(block "")       # "", "p" or "ul"
    set(block_words "") # the current paragraph or list item, as one line
    set(block_lines "") # the same, as changelog lines
    set(xml "")
    set(changelog "")
    set(line_number 0)

    # Ends the paragraph or list item being read (and with "all", the list).
    macro(flush_item)
        if(NOT block_words STREQUAL "")
            _vorka_news_xml_escape(words "${block_words}")
            if(block STREQUAL "p")
                string(APPEND xml "<p>${words}</p>\n")
            else()
                string(APPEND xml "<li>${words}</li>\n")
            endif()
            string(APPEND changelog "${block_lines}")
            set(block_words "")
            set(block_lines "")
        endif()
    endmacro()
    macro(flush_block)
        flush_item()
        if(block STREQUAL "ul")
            string(APPEND xml "</ul>\n")
        endif()
        set(block "")
    endmacro()
    macro(end_release)
        flush_block()
        if(release GREATER_EQUAL 0)
            if(xml STREQUAL "")
                message(FATAL_ERROR "${file}: release ${version} says nothing")
            endif()
            string(REPLACE "${_vorka_news_semicolon}" ";" xml "${xml}")
            string(REPLACE "${_vorka_news_semicolon}" ";" changelog "${changelog}")
            set(VORKA_NEWS_${release}_VERSION "${version}" PARENT_SCOPE)
            set(VORKA_NEWS_${release}_DATE "${date}" PARENT_SCOPE)
            set(VORKA_NEWS_${release}_XML "${xml}" PARENT_SCOPE)
            set(VORKA_NEWS_${release}_CHANGELOG "${changelog}" PARENT_SCOPE)
        endif()
        set(xml "")
        set(changelog "")
    endmacro()

    foreach(line IN LISTS lines)
        math(EXPR line_number "${line_number} + 1")
        string(REPLACE "${_vorka_news_semicolon}" ";" plain "${line}")
        string(LENGTH "${plain}" length)
        if(length GREATER 72)
            message(FATAL_ERROR "${file}:${line_number}: longer than 72 columns")
        endif()
        if(line MATCHES "^Vorka ([0-9]+\\.[0-9]+\\.[0-9]+), ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
            end_release()
            set(version "${CMAKE_MATCH_1}")
            set(date "${CMAKE_MATCH_2}")
            math(EXPR release "${release} + 1")
            math(EXPR count "${count} + 1")
        elseif(line MATCHES "^[ \t]*$")
            flush_block()
        elseif(release LESS 0)
            message(FATAL_ERROR "${file}:${line_number}: text before the first release heading")
        elseif(line MATCHES "^- (.*)$")
            set(text "${CMAKE_MATCH_1}")
            if(block STREQUAL "p")
                flush_block()
            endif()
            flush_item()
            if(NOT block STREQUAL "ul")
                string(APPEND xml "<ul>\n")
                set(block "ul")
            endif()
            set(block_words "${text}")
            set(block_lines "    - ${text}\n")
        elseif(block STREQUAL "ul")
            if(NOT line MATCHES "^  ([^ ].*)$")
                message(FATAL_ERROR "${file}:${line_number}: a list item goes on indented by two blanks")
            endif()
            string(APPEND block_words " ${CMAKE_MATCH_1}")
            string(APPEND block_lines "      ${CMAKE_MATCH_1}\n")
        elseif(line MATCHES "^ ")
            message(FATAL_ERROR "${file}:${line_number}: a paragraph line starts with a blank")
        else()
            if(block STREQUAL "")
                set(block "p")
                set(block_lines "  * ${line}\n")
                set(block_words "${line}")
            else()
                string(APPEND block_lines "    ${line}\n")
                string(APPEND block_words " ${line}")
            endif()
        endif()
    endforeach()
    end_release()

    if(count EQUAL 0)
        message(FATAL_ERROR "${file}: no release heading \"Vorka <version>, <YYYY-MM-DD>\"")
    endif()
    set(VORKA_NEWS_COUNT ${count} PARENT_SCOPE)
endfunction()

# vorka_rfc2822_date(<out> <YYYY-MM-DD>): that day at midnight UTC, as Debian's
# changelog writes dates ("Tue, 08 Dec 2026 00:00:00 +0000").
function(vorka_rfc2822_date out date)
    string(REGEX MATCH "^([0-9]+)-0*([0-9]+)-0*([0-9]+)$" _ "${date}")
    set(year ${CMAKE_MATCH_1})
    set(y ${year})
    set(m ${CMAKE_MATCH_2})
    set(d ${CMAKE_MATCH_3})
    set(day_padded "${d}")
    if(d LESS 10)
        set(day_padded "0${d}")
    endif()
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    math(EXPR month_index "${m} - 1")
    list(GET months ${month_index} month_name)
    # Zeller's congruence, with January and February counted as months 13
    # and 14 of the year before; 0 is Saturday.
    if(m LESS 3)
        math(EXPR m "${m} + 12")
        math(EXPR y "${y} - 1")
    endif()
    math(EXPR weekday "(${d} + (13 * (${m} + 1)) / 5 + ${y} + ${y} / 4 - ${y} / 100 + ${y} / 400) % 7")
    set(days Sat Sun Mon Tue Wed Thu Fri)
    list(GET days ${weekday} day_name)
    set(${out} "${day_name}, ${day_padded} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()
