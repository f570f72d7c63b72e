#pragma once
// A button style as the default style draws them, small enough to read: a background whose
// colour animates on hover and press, a text part, and a glow while focused.
#include <string>

inline constexpr uint32_t kRestColor = 0xFF505050, kHoverColor = 0xFF707070, kPressedColor = 0xFF404040;

inline const std::string kPressStyle =
    "object TvgVisualObject\r\n"
    "  object TvgRectangle\r\n"
    "    ResourceName = 'pressstyle'\r\n"
    "    HitTest = False\r\n"
    "    object TvgRectangle\r\n"
    "      ResourceName = 'background'\r\n"
    "      Align = vaContents\r\n"
    "      HitTest = False\r\n"
    "      Fill.Color = '#FF505050'\r\n"
    "      object TvgColorAnimation\r\n"
    "        Duration = 0.2\r\n"
    "        Trigger = 'IsMouseOver=true;IsPressed=false'\r\n"
    "        TriggerInverse = 'IsMouseOver=false;IsPressed=false'\r\n"
    "        StartValue = '#FF505050'\r\n"
    "        StopValue = '#FF707070'\r\n"
    "        PropertyName = 'Fill.Color'\r\n"
    "      end\r\n"
    "      object TvgColorAnimation\r\n"
    "        Duration = 0.2\r\n"
    "        Trigger = 'IsPressed=true'\r\n"
    "        TriggerInverse = 'IsPressed=false'\r\n"
    "        StartValue = '#FF707070'\r\n"
    "        StopValue = '#FF404040'\r\n"
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
