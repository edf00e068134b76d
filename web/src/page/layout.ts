// The main window's controls as the desktop window places them, written at build time by
// vartel-window-layout in each language (layout.js).

interface Control {
  id: string; // the window's object name
  kind: 'button' | 'check' | 'radio' | 'slider' | 'field' | 'text' | 'image' | 'group' | 'label' | 'panel' | 'zone';
  parent: string;
  left: number; // logical pixels from the window's top-left corner
  top: number;
  width: number;
  height: number;
  text: string;
  name: string; // the accessible name
  hint: string;
  visible: boolean;
  enabled: boolean;
  fontPixels: number;
  bold: boolean;
  checked?: boolean;
  minimum?: number;
  maximum?: number;
  value?: number;
  readOnly?: boolean;
}

interface WindowLayout {
  title: string;
  width: number;
  height: number;
  controls: Control[];
  // The texts a run shows on its way, by context, English to the window's language (none for English).
  texts: Record<string, Record<string, string>>;
}

type Language = 'en' | 'nl';

declare const VARTEL_LAYOUTS: Record<Language, WindowLayout>;
