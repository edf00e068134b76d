// The browser edition's page: the window in the reader's language, its live run through the WebAssembly
// module, and offline use once served over HTTP.

// The language of ?lang=, else the first of the browser's languages that the program speaks; English.
function chosenLanguage(): Language {
  const asked = new URLSearchParams(window.location.search).get('lang');
  if (asked === 'nl' || asked === 'en') return asked;
  for (const language of navigator.languages) {
    const code = language.toLowerCase();
    if (code.startsWith('nl')) return 'nl';
    if (code.startsWith('en')) return 'en';
  }
  return 'en';
}

// Today in the browser's short date format, as the desktop dates the data file in the user's.
function today(): string {
  return new Intl.DateTimeFormat(undefined, { dateStyle: 'short' }).format(new Date());
}

function download(fileName: string, contents: Blob): void {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(contents);
  link.download = fileName;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 0);
}

function byId<T extends HTMLElement>(id: string): T {
  const element = document.getElementById(id);
  if (!element) throw new Error(`The window has no control ${id}`);
  return element as T;
}

interface VartelPage {
  ready: boolean;
  // The data file of a whole run as vartel-batch's arguments describe it, beside the live run.
  runScripted(args: string[]): string;
}

interface Window {
  vartel: VartelPage;
}

async function start(): Promise<void> {
  const layout = VARTEL_LAYOUTS[chosenLanguage()];
  document.documentElement.lang = chosenLanguage();
  const form = byId('TForm1');
  buildWindow(form, layout);
  fitWindow(form, layout);
  window.addEventListener('resize', () => fitWindow(form, layout));

  const wasm = await VartelModule();
  window.vartel = {
    ready: true,
    runScripted: (args: string[]): string => runDataFile(wasm, args, today()),
  };
  const session = new wasm.PageSession(window.devicePixelRatio);
  new LiveWindow(session, form, new MessageBox(form), new AlarmSound(), new RunTexts(layout.texts));
  form.dataset.ready = 'true';

  if (window.location.protocol.startsWith('http') && 'serviceWorker' in navigator)
    void navigator.serviceWorker.register('sw.js');
}

void start();
