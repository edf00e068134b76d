// The browser edition's page: the window in the reader's language, its runs through the WebAssembly
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

function download(fileName: string, text: string): void {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
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
  // A run as vartel-batch's arguments describe it; its data file is what "Save data" saves.
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
  let dataFile = '';
  const page: VartelPage = {
    ready: true,
    runScripted(args: string[]): string {
      const text = runDataFile(wasm, args, today());
      if (!text.startsWith('Error: ')) dataFile = text;
      return text;
    },
  };
  window.vartel = page;

  // Until the page drives a session, Start runs the chosen scenario to its last year at once.
  const scenarios = layout.controls.filter((c) => c.kind === 'radio' && c.parent === 'GroupBox2');
  byId('StartButton').addEventListener('click', () => {
    const chosen = scenarios.findIndex((c) => byId<HTMLInputElement>(c.id).checked);
    page.runScripted(['--scenario', String(chosen + 1)]);
    byId<HTMLInputElement>('clock').value = '3000';
  });
  byId('Button2').addEventListener('click', () => {
    if (dataFile) download('Vartel.txt', dataFile);
  });
  form.dataset.ready = 'true';

  if (window.location.protocol.startsWith('http') && 'serviceWorker' in navigator)
    void navigator.serviceWorker.register('sw.js');
}

void start();
