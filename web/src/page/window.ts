// The window built from its layout: every control at its logical place, with the window's object name as
// its id, its accessible name and its hint.

function elementFor(c: Control): { box: HTMLElement; control: HTMLElement } {
  switch (c.kind) {
    case 'button': {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = c.text;
      return { box: button, control: button };
    }
    case 'check':
    case 'radio': {
      const box = document.createElement('label');
      const input = document.createElement('input');
      input.type = c.kind === 'check' ? 'checkbox' : 'radio';
      if (c.kind === 'radio') input.name = c.parent;
      input.checked = c.checked ?? false;
      const caption = document.createElement('span');
      caption.textContent = c.text;
      box.append(input, caption);
      return { box, control: input };
    }
    case 'slider': {
      const input = document.createElement('input');
      input.type = 'range';
      input.min = String(c.minimum ?? 0);
      input.max = String(c.maximum ?? 0);
      input.step = '1';
      input.value = String(c.value ?? 0);
      return { box: input, control: input };
    }
    case 'field': {
      const input = document.createElement('input');
      input.type = 'text';
      input.value = c.text;
      input.readOnly = c.readOnly ?? false;
      input.spellcheck = false;
      return { box: input, control: input };
    }
    case 'text': {
      const area = document.createElement('textarea');
      area.readOnly = true;
      area.value = c.text;
      return { box: area, control: area };
    }
    case 'image': {
      const canvas = document.createElement('canvas');
      canvas.width = c.width;
      canvas.height = c.height;
      canvas.setAttribute('role', 'img');
      return { box: canvas, control: canvas };
    }
    case 'group': {
      const group = document.createElement('div');
      group.setAttribute('role', 'group');
      return { box: group, control: group };
    }
    case 'label': {
      const label = document.createElement('span');
      label.textContent = c.text;
      return { box: label, control: label };
    }
    case 'panel':
    case 'zone': {
      const div = document.createElement('div');
      return { box: div, control: div };
    }
  }
}

function buildWindow(form: HTMLElement, layout: WindowLayout): void {
  document.title = layout.title;
  form.style.width = `${layout.width}px`;
  form.style.height = `${layout.height}px`;
  for (const c of layout.controls) {
    const { box, control } = elementFor(c);
    control.id = c.id;
    box.className = `control ${c.kind}`;
    Object.assign(box.style, {
      left: `${c.left}px`,
      top: `${c.top}px`,
      width: `${c.width}px`,
      height: `${c.height}px`,
      fontSize: `${c.fontPixels}px`,
      fontWeight: c.bold ? 'bold' : 'normal',
    });
    if (c.name) control.setAttribute('aria-label', c.name);
    if (c.hint) box.title = c.hint;
    box.hidden = !c.visible;
    if (!c.enabled && 'disabled' in control) (control as HTMLInputElement).disabled = true;
    form.append(box);
  }
}

// At 100 % where the browser window holds the whole window, scaled down to fit where it does not.
function fitWindow(form: HTMLElement, layout: WindowLayout): void {
  const scale = Math.min(1, window.innerWidth / layout.width, window.innerHeight / layout.height);
  form.style.transform = scale < 1 ? `scale(${scale})` : '';
}
