#pragma once
// A button style as the default style draws them, in colours of its own so that a test sees which
// style it got: a background whose colour animates on hover and press, a text part, and a glow
// while focused.
#include <string>

inline constexpr uint32_t kRestColor = 0xFF515151, kHoverColor = 0xFF717171, kPressedColor = 0xFF414141;

inline const std::string kPressStyle =
    "object TvgRectangle\r\n"
    "  object TvgRectangle\r\n"
    "    ResourceName = 'pressstyle'\r\n"
    "    Width = 73\r\n"
    "    Height = 26\r\n"
    "    HitTest = False\r\n"
    "    object TvgRectangle\r\n"
    "      ResourceName = 'background'\r\n"
    "      Align = vaContents\r\n"
    "      HitTest = False\r\n"
    "      Fill.Color = '#FF515151'\r\n"
    "      object TvgColorAnimation\r\n"
    "        Duration = 0.2\r\n"
    "        Trigger = 'IsMouseOver=true;IsPressed=false'\r\n"
    "        TriggerInverse = 'IsMouseOver=false;IsPressed=false'\r\n"
    "        StartValue = '#FF515151'\r\n"
    "        StopValue = '#FF717171'\r\n"
    "        PropertyName = 'Fill.Color'\r\n"
    "      end\r\n"
    "      object TvgColorAnimation\r\n"
    "        Duration = 0.2\r\n"
    "        Trigger = 'IsPressed=true'\r\n"
    "        TriggerInverse = 'IsPressed=false'\r\n"
    "        StartValue = '#FF717171'\r\n"
    "        StopValue = '#FF414141'\r\n"
    "        PropertyName = 'Fill.Color'\r\n"
    "      end\r\n"
    "    end\r\n"
    "    object TvgText\r\n"
    "      ResourceName = 'text'\r\n"
    "      Align = vaClient\r\n"
    "      HitTest = False\r\n"
    "    end\r\n"
    "    object TvgGlowEffect\r\n"
    "      Trigger = 'IsFocused=true'\r\n"
    "      Enabled = False\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n";
