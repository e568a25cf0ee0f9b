// Small helpers to build the page.

type Child = Node | string | null | undefined | false;

export function el<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  attributes: Record<string, string | number | boolean | undefined> = {},
  ...children: Child[]
): HTMLElementTagNameMap[K] {
  const element = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) {
    if (value === undefined || value === false) {
      continue;
    }
    if (name === 'class') {
      element.className = String(value);
    } else if (name === 'text') {
      element.textContent = String(value);
    } else {
      element.setAttribute(name, value === true ? '' : String(value));
    }
  }
  for (const child of children) {
    if (child !== null && child !== undefined && child !== false) {
      element.append(child);
    }
  }
  return element;
}

// "−5" with the minus sign that French typography asks for.
export function signed(value: number | string): string {
  const text = String(value);
  return text.startsWith('-') ? `\u2212${text.slice(1)}` : text;
}

// Offers `content` as a file to save, named `name`.
export function download(name: string, content: Blob): void {
  const link = el('a', { href: URL.createObjectURL(content), download: name });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

// Puts text on the clipboard; false when the browser refuses.
export async function copyText(text: string): Promise<boolean> {
  try {
    await navigator.clipboard.writeText(text);
    return true;
  } catch {
    const area = el('textarea', { class: 'offscreen', 'aria-hidden': 'true' });
    area.value = text;
    document.body.append(area);
    area.select();
    const copied = document.execCommand('copy');
    area.remove();
    return copied;
  }
}

// Whether a key pressed on `target` belongs to that control (a button presses, a box ticks)
// rather than to the menus' keys.
export function isControl(target: EventTarget | null): boolean {
  if (!(target instanceof Element)) {
    return false;
  }
  return target.closest('button, input, select, textarea, a[href], summary, [role="menuitem"], dialog') !== null;
}
